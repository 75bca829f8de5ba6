/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：XTGL 系统管理
*摘要：    FOS 头定义文件。    
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

#if !defined(AFX_PROCESS_H)
#define AFX_PROCESS_H

//SYS_USER_LOGIN    3001    //操作员登录
long UserLogin( struct Service_Module* pModule );

//SYS_PARAM_QUERY    3002    //系统参数查询
long Sys_Param_Query( struct Service_Module* pModule );

//SYS_MENU_list    3003    //菜单查询
long Sys_Menu_List( struct Service_Module* pModule );

//SYS_NOTE_ADD    3004    //新增公告
long Sys_Note_Add( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
