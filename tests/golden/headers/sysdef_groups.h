/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：sysdef.h
*项目名称：
*摘要：    杂类错误码定义c/c++编程用头文件。    
*
*原作者：  张三
*创建日期：2006.03.05
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            张三
*    创建。
*
**********************************************************************/

#if !defined(_SYSDEF)
#define _SYSDEF

#define  ERR_SYS_BUSY           100           //系统忙
#define  MSG_SYS_BUSY           "系统忙"

//通用错误
#define  ERR_NO_USER            "E01"         //用户不存在
#define  ERR_PWD                -2            //密码错误
#define  MSG_PWD                "密码错误"

//委托错误
#define  ERR_BIG_NUMBER         12345678901234//大
#define  MSG_BIG                "大"

//通用错误
#define  ERR_AGAIN              "X1"          //再次
#define  MSG_AGAIN_LONGER_NAME  "再次"

#endif // !defined(_SYSDEF)
