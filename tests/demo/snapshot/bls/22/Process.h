/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：ZJYW 资金业务
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

//ZJ_TRANSFER    6101    //银证转账
long Fun_Zj_Transfer( struct Service_Module* pModule );

//ZJ_QUERY    6102    //资金查询
long Fun_Zj_Query( struct Service_Module* pModule );

//ZJ_DJ    6103    //资金冻结
long Fun_Zj_Dj( struct Service_Module* pModule );

//ZJ_HISTORY_List    6104    //资金流水查询
long Fun_Zj_History_List( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
