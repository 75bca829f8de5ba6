/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：ZQJY 证券交易
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

//WT_TRADE    7101    //委托买卖
long Fun_Wt_Trade( struct Service_Module* pModule );

//WT_WITHDRAW    7102    //委托撤单
long Fun_Wt_Withdraw( struct Service_Module* pModule );

//CJ_SEARCH    7103    //成交查询
long Fun_Cj_Search( struct Service_Module* pModule );

//GD_QUERY    7104    //股东查询
long Function_QueryHolder( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
