/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：blsdef.h
*项目名称：
*摘要：    BLS定义c/c++编程用头文件。    
*
*原作者：  edge
*创建日期：2006.03.05
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*    创建。
*
**********************************************************************/

#if !defined(_BLSDEF_DEFINE_H)
#define _BLSDEF_DEFINE_H

#include "fiddef.h"  //信息元定义

#define  QUERY_USER    1001  //查询用户
#define  ADD_USER      1002  //增加用户
#define  QUERY_USER    2001  //查询用户
#define  AUDIT_OP      2002  //审核操作
#define  NO_FORWARD    2003  //不转发
#define  USER_LIST     2004  //用户列表
#define  DEFAULT_TYPE  2005  //缺省类型
#define  USER_QUERY    3001  //点
#define  TWICE         3002  //一
#define  TWICE         3003  //二
#define  GROUP_THREE   8001  //三组

#endif // !defined(_BLSDEF_DEFINE_H)
