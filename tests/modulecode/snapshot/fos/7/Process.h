/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：FN 函数
*摘要：    FOS 头定义文件。    
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

//QUERY_LIST    1001    //查询列表
long Query_List( struct Service_Module* pModule );

//QUERY_LIST2    1002    //过程列表
long Query_List2( struct Service_Module* pModule );

//GET_USER    1003    //取用户
long Get_User( struct Service_Module* pModule );

//GET_INFO    1004    //取信息
long Get_Info( struct Service_Module* pModule );

//USER_QUERY    1005    //点号
long User_Query( struct Service_Module* pModule );

//O'BRIEN    1006    //引号
long O'brien( struct Service_Module* pModule );

//X_Y    1007    //显式名
long GetUserInfo( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
