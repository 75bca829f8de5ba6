/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：FN 函数
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

//QUERY_USER    2001    //查询用户
long Fun_Query_User( struct Service_Module* pModule );

//AUDIT_OP    2002    //审核操作
long Fun_Audit_Op( struct Service_Module* pModule );

//NO_FORWARD    2003    //不转发
long Fun_No_Forward( struct Service_Module* pModule );

//USER_LIST    2004    //用户列表
long Fun_User_List( struct Service_Module* pModule );

//DEFAULT_TYPE    2005    //缺省类型
long Fun_Default_Type( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
