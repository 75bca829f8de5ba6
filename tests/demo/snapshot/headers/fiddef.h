/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：fiddef.h
*项目名称：
*摘要：    信息元定义c/c++编程用头文件。    
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

#if !defined(_FIDDEF_DEFINE_H)
#define _FIDDEF_DEFINE_H

#define  FID_CODE            1  //返回码  DT：4  
#define  FID_MESSAGE         2  //返回信息  
#define  FID_LSH             3  //流水号  DT：4  
#define  FID_HTSH            4  //后台审核标志  DT：4  DT：0-提交,1-进入后台审核  
#define  FID_ZY              5  //摘要  DT：1  
#define  FID_MAXCOUNT        6  //最大记录数  DT：4  DT：单次应答的最多行数  
#define  FID_ITEMCOUNT       7  //记录条数  DT：4  
#define  FID_KHH             101  //客户号  DT：1  
#define  FID_KHXM            102  //客户姓名  DT：1  
#define  FID_YYB             103  //营业部  DT：1  DT：营业部编码,4位  
#define  FID_KHYYB           104  //客户营业部  DT：1  
#define  FID_KHQZ            105  //客户群组  DT：1  
#define  FID_KHLB            106  //客户类别  DT：4  DT：0-个人,1-机构  
#define  FID_KHZT            107  //客户状态  DT：4  DT：0-正常,1-冻结,2-销户  
#define  FID_ZJLB            108  //证件类别  DT：4  
#define  FID_ZJBH            109  //证件编号  DT：1  
#define  FID_XB              110  //性别  DT：2  DT：M-男,F-女  
#define  FID_CSRQ            111  //出生日期  DT：5  DT：YYYYMMDD  
#define  FID_DH              112  //联系电话  DT：1  
#define  FID_SJ              113  //手机号码  DT：1  
#define  FID_DZ              114  //联系地址  DT：1  
#define  FID_ZIPCODE         115  //邮编  DT：1  
#define  FID_EMAIL           116  //电子邮件  DT：1  
#define  FID_FAX             117  //传真  DT：1  
#define  FID_KHRQ            118  //开户日期  DT：4  DT：YYYYMMDD  
#define  FID_XHRQ            119  //销户日期  DT：4  DT：YYYYMMDD  
#define  FID_JYMM            120  //交易密码  DT：1  DT：加密存放  
#define  FID_ZJMM            121  //资金密码  DT：1  DT：加密存放  
#define  FID_OLDMM           122  //原密码  DT：1  
#define  FID_NEWMM           123  //新密码  DT：1  
#define  FID_PHOTO           124  //照片  DT：7  DT：二进制数据  
#define  FID_ZJZH            201  //资金账号  DT：1  
#define  FID_BZ              202  //币种  DT：1  DT：RMB-人民币,USD-美元,HKD-港币  
#define  FID_JE              203  //金额  DT：6  
#define  FID_YE              204  //余额  DT：6  
#define  FID_KYZJ            205  //可用资金  DT：6  
#define  FID_DJJE            206  //冻结金额  DT：6  
#define  FID_ZZJE            207  //转账金额  DT：6  
#define  FID_LX              208  //利息  DT：6  DT：按日计提  
#define  FID_YHDM            209  //银行代码  DT：1  
#define  FID_ZZFX            210  //转账方向  DT：4  DT：1-银行转证券,2-证券转银行  
#define  FID_FSRQ            211  //发生日期  DT：4  
#define  FID_FSSJ            212  //发生时间  DT：1  DT：HH:MM:SS  
#define  FID_JYS             301  //交易所  DT：1  DT：SH-上海,SZ-深圳  
#define  FID_GDDM            302  //股东代码  DT：1  
#define  FID_ZQDM            303  //证券代码  DT：1  
#define  FID_ZQMC            304  //证券名称  DT：1  
#define  FID_ZQLB            305  //证券类别  DT：1  
#define  FID_WTH             306  //委托号  DT：4  
#define  FID_WTLB            307  //委托类别  DT：4  DT：1-买入,2-卖出  
#define  FID_WTSL            308  //委托数量  DT：4  
#define  FID_WTJG            309  //委托价格  DT：6  
#define  FID_WTRQ            310  //委托日期  DT：4  
#define  FID_WTSJ            311  //委托时间  DT：1  
#define  FID_WTFS            312  //委托方式  DT：4  DT：1-柜台,2-电话,4-网上  
#define  FID_CJSL            313  //成交数量  DT：4  
#define  FID_CJJG            314  //成交价格  DT：6  
#define  FID_CJJE            315  //成交金额  DT：6  
#define  FID_CJBH            316  //成交编号  DT：1  
#define  FID_CDSL            317  //撤单数量  DT：4  
#define  FID_SBJG            318  //申报结果  DT：4  
#define  FID_YWKM            401  //业务科目  DT：4  
#define  FID_YWSQH           402  //业务申请号  DT：4  
#define  FID_SQXQ            403  //申请详情  DT：3  DT：请求包原文  
#define  FID_CSID            404  //参数编号  DT：4  
#define  FID_ZLLB            405  //指令类别  DT：4  DT：0-业务申请,1-审核通过后提交  
#define  FID_SHXYM           406  //审核校验码  DT：1  
#define  FID_FHGY            407  //复核柜员  DT：1  
#define  FID_SHJS            408  //审核级数  DT：4  
#define  FID_CZY             501  //操作员  DT：1  
#define  FID_RQ              502  //日期  DT：4  DT：YYYYMMDD  
#define  FID_LOGINID         503  //登录帐号  DT：1  
#define  FID_LOGINPWD        504  //登录密码  DT：1  
#define  FID_USERNAME        505  //用户名称  DT：1  
#define  FID_ORGCODE         506  //机构代码  DT：1  
#define  FID_MENUID          507  //菜单编号  DT：4  
#define  FID_FATHERID        508  //上级编号  DT：4  
#define  FID_UPDATETIME      509  //更新时间  DT：1  
#define  FID_LASTUPDATETIME  510  //最后更新时间  DT：1  
#define  FID_FILEPATH        511  //文件路径  DT：1  
#define  FID_UPLOADPATH      512  //上传路径  DT：1  
#define  FID_VERSION         513  //版本号  DT：1  
#define  FID_BEGINDATE       514  //开始日期  DT：4  
#define  FID_ENDDATE         515  //结束日期  DT：4  
#define  FID_NOTE            516  //备注  DT：1  DT：    
#define  FID_MESSAGENAME     517  //消息名称  DT：1  
#define  FID_TYPE            518  //类型  DT：4  
#define  FID_KEY             519  //参数键  DT：1  
#define  FID_DATABASE        520  //数据库名  DT：1  
#define  FID_PORT            521  //端口  DT：4  
#define  FID_COMPANY         522  //公司名称  DT：1  
#define  FID_MASK            523  //权限掩码  DT：0  DT：按位表示  
#define  FID_IPADDR          524  //IP地址  DT：1  
#define  FID_GNDM            525  //功能代码  DT：4  

#endif // !defined(_FIDDEF_DEFINE_H)
