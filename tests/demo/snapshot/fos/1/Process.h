/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：KHGL 客户管理
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

//KH_QUERY    1001    //查询客户信息
long Kh_Query( struct Service_Module* pModule );

//KH_OPEN    1002    //客户开户
long Kh_Open( struct Service_Module* pModule );

//KH_LIST    1003    //客户列表查询
long Kh_List( struct Service_Module* pModule );

//KH_MODIFY    1004    //修改客户资料
long ModifyCustInfo( struct Service_Module* pModule );

//KH_CLOSE    1005    //客户销户
long Kh_Close( struct Service_Module* pModule );

//KH_PWD_MODIFY    1006    //修改密码
long Kh_Pwd_Modify( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
