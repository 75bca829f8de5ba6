/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：DOT 点
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

//USER_QUERY    3001    //点
long Fun_User_Query( struct Service_Module* pModule );

//TWICE    3002    //一
long Fun_GetUserInfo( struct Service_Module* pModule );

//TWICE    3003    //二
long Fun_Twice( struct Service_Module* pModule );

//GROUP_THREE    8001    //三组
long Fun_Group_Three( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
