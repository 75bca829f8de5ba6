/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：JYWT 交易委托
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

//WT_ORDER    2001    //委托下单
long Wt_Order( struct Service_Module* pModule );

//WT_CANCEL    2002    //委托撤单
long Wt_Cancel( struct Service_Module* pModule );

//WT_QueryList    2003    //当日委托查询
long Wt_Querylist( struct Service_Module* pModule );

//CJ_QUERY    2004    //成交查询
long Cj_Query( struct Service_Module* pModule );

//WT_LIST_SUM    2005    //委托汇总统计
long Wt_List_Sum( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
