/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：USR 用户
*摘要：    BLS 头定义文件。    
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

#if !defined(AFX_PROCESS_H)
#define AFX_PROCESS_H

//QUERY_USER    1001    //查询用户
long Fun_Query_User( struct Service_Module* pModule );

//ADD_USER    1002    //增加用户
long Fun_Add_User( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
