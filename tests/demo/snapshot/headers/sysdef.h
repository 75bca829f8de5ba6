/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：sysdef.h
*项目名称：
*摘要：    杂类错误码定义c/c++编程用头文件。    
*
*原作者：  snapshot
*创建日期：2006.03.05
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*    创建。
*
**********************************************************************/

#if !defined(_SYSDEF)
#define _SYSDEF


//系统错误
#define  ERR_INPUTPARAM        1                       //输入参数有误
#define  ERRSTR_INPUTPARAM     "输入参数有误"
#define  ERR_GETCLIENTFAIL     2                       //申请上级服务连接失败
#define  ERRSTR_GETCLIENTFAIL  "申请上级服务连接失败"
#define  ERR_GETDBLINKFAIL     3                       //申请数据库连接失败
#define  ERRSTR_GETDBLINKFAIL  "申请数据库连接失败"
#define  ERR_ILLPACK           4                       //非法数据包
#define  ERRSTR_ILLPACK        "非法数据包"
#define  ERR_NOTLOGIN          5                       //操作员尚未登录
#define  ERR_TIMEOUT           6                       //等待应答超时

//数据库错误
#define  ERR_RUNSQL            11                      //执行SQL语句失败
#define  ERRSTR_RUNSQL         "执行SQL语句失败"
#define  ERR_NORECORD          12                      //没有找到记录
#define  ERRSTR_NORECORD       "没有找到记录"
#define  ERR_DUPRECORD         13                      //记录已存在
#define  ERR_DEADLOCK          "DB_DEADLOCK"           //数据库死锁
#define  ERRSTR_DEADLOCK       "数据库死锁"

//业务错误
#define  ERR_KHUNKNOWN         1000000001              //未知客户错误
#define  ERR_KHNOTEXIST        101                     //客户不存在
#define  ERRSTR_KHNOTEXIST     "客户不存在"
#define  ERR_KHFROZEN          102                     //客户已冻结
#define  ERRSTR_KHFROZEN       "客户已冻结"
#define  ERR_PWDERROR          103                     //密码错误
#define  ERRSTR_PWDERROR       "密码错误"
#define  ERR_ZJBZ              104                     //可用资金不足
#define  ERRSTR_ZJBZ           "可用资金不足"
#define  ERR_GFBZ              105                     //可用股份不足

//交易网关错误
#define  ERR_GWBUSY            201                     //交易网关繁忙
#define  ERR_GWOFFLINE         "GW001"                 //交易网关未连接
#define  ERRSTR_GWOFFLINE      "交易网关未连接"
#define  ERR_GWREJECT          "GW002"                 //交易所拒绝申报
#define  ERRSTR_GWREJECT       "交易所拒绝申报"

#endif // !defined(_SYSDEF)
