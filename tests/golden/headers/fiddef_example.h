/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：fiddef.h
*项目名称：
*摘要：    信息元定义c/c++编程用头文件。    
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

#if !defined(_FIDDEF_DEFINE_H)
#define _FIDDEF_DEFINE_H

#define  FID_CODE     1  //返回码  DT：4  
#define  FID_MESSAGE  2  //返回信息  

#endif // !defined(_FIDDEF_DEFINE_H)
