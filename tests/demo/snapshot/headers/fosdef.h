/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：fosdef.h
*项目名称：
*摘要：    生成FOS定义c/c++编程用头文件。    
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

#if !defined(_FOSDEF_DEFINE_H)
#define _FOSDEF_DEFINE_H

#include "fiddef.h"  //信息元定义

#define  KH_QUERY         1001  //查询客户信息
#define  KH_OPEN          1002  //客户开户
#define  KH_LIST          1003  //客户列表查询
#define  KH_MODIFY        1004  //修改客户资料
#define  KH_CLOSE         1005  //客户销户
#define  KH_PWD_MODIFY    1006  //修改密码
#define  WT_ORDER         2001  //委托下单
#define  WT_CANCEL        2002  //委托撤单
#define  WT_QueryList     2003  //当日委托查询
#define  CJ_QUERY         2004  //成交查询
#define  WT_LIST_SUM      2005  //委托汇总统计
#define  SYS_USER_LOGIN   3001  //操作员登录
#define  SYS_PARAM_QUERY  3002  //系统参数查询
#define  SYS_MENU_list    3003  //菜单查询
#define  SYS_NOTE_ADD     3004  //新增公告

#endif // !defined(_FOSDEF_DEFINE_H)
