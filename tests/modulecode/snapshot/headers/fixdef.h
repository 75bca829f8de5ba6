/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：fixdef.h
*项目名称：
*摘要：    fix定义c/c++编程用头文件，包含fiddef.h，fosdef.h和blsdef.h    
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

#if !defined(__FIXDEF_DEFINE__)
#define __FIXDEF_DEFINE__

#include "fiddef.h"  //信息元定义
#include "blsdef.h"  //BLS交易码定义
#include "fosdef.h"  //FOS操作码定义
#include "sysdef.h"  //系统基础宏定义

#endif // !defined(__FIXDEF_DEFINE__)
