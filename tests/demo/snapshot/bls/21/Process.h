/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：KHFW 客户服务
*摘要：    BLS 头定义文件。    
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

//QUERY_USER    5101    //查询用户
long Fun_Query_User( struct Service_Module* pModule );

//QUERY_USER_LIST    5102    //查询用户列表
long Fun_Query_User_List( struct Service_Module* pModule );

//USER_QUERY    5103    //用户查询
long Fun_User_Query( struct Service_Module* pModule );

//KH_XGZL    5104    //修改客户资料
long Fun_ModifyCust( struct Service_Module* pModule );

//KH_APPLY    5105    //客户开户
long Fun_OpenAccount( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
