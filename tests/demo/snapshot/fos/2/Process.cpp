/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：JYWT 交易委托
*摘要：    FOS 实现文件。    
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

#include "stdafx.h"
#include "process.h"

#include <algorithm>
#include <string>

using namespace std;

/***********************************************************************
*函数名称：Wt_Order 委托下单
*实现说明：
*    检查资金和持仓后向交易所申报
*    申报失败时解冻资金
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//WT_ORDER    2001    //委托下单
long Wt_Order( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;   
    //## 取出当前处理线程的上下文的句柄    
    HANDLE hContext = KsGetHandle( pModule );    
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
    
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
    
    if ( NULL == pDB )
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write(); 
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
 
    //取出全部请求变量
    string sFidGDDM = pSvrComm->GetItem( FID_GDDM ); //股东代码
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidZQDM = pSvrComm->GetItem( FID_ZQDM ); //证券代码
    string sFidCZY  = pSvrComm->GetItem( FID_CZY  ); //操作员
    string sFidJYS  = pSvrComm->GetItem( FID_JYS  ); //交易所
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    string sFidBZ   = pSvrComm->GetItem( FID_BZ   ); //币种

    long   nFidWTFS = pSvrComm->GetLong( FID_WTFS ); //委托方式
    long   nFidWTLB = pSvrComm->GetLong( FID_WTLB ); //委托类别
    long   nFidWTSL = pSvrComm->GetLong( FID_WTSL ); //委托数量
    long   nFidWTRQ = pSvrComm->GetLong( FID_WTRQ ); //委托日期
    double dFidWTJG = pSvrComm->GetDouble( FID_WTJG ); //委托价格

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_GDDM ) || sFidGDDM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZQDM ) || sFidZQDM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JYS ) || sFidJYS.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_WTLB ) ) \
         || ( !pSvrComm->HaveItem( FID_WTSL ) ) \
         || ( !pSvrComm->HaveItem( FID_WTJG ) ) \
       ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswer();
    if ( pDB->More() )
    {
        nRetCode = 1L;
        pSvrComm->SetItem(FID_CODE, nRetCode);
    
        pSvrComm->SetItem( FID_SBJG, pDB->Get( 1 ) ); //申报结果
        pSvrComm->SetItem( FID_WTH,  pDB->Get( 2 ) ); //委托号

        sErrMsg = pDB->Get( "o_RetNote" ); 
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);

        while ( pDB->More() )
        {
            continue;
        }
    }
    else
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->GetLastErrMsg();
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
   
    pSvrComm->Write(); 
    return nRetCode;
}


/***********************************************************************
*函数名称：Wt_Cancel 委托撤单
*实现说明：
*    未成交部分撤单
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//WT_CANCEL    2002    //委托撤单
long Wt_Cancel( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;   
    //## 取出当前处理线程的上下文的句柄    
    HANDLE hContext = KsGetHandle( pModule );    
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
    
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
    
    if ( NULL == pDB )
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write(); 
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
 
    //取出全部请求变量
    string sFidJYS = pSvrComm->GetItem( FID_JYS ); //交易所
    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号
    long   nFidWTH = pSvrComm->GetLong( FID_WTH ); //委托号

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_JYS ) || sFidJYS.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_WTH ) ) \
       ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswer();
    if ( pDB->More() )
    {
        nRetCode = 1L;
        pSvrComm->SetItem(FID_CODE, nRetCode);
    
        pSvrComm->SetItem( FID_CDSL, pDB->Get( 1 ) ); //撤单数量

        sErrMsg = pDB->Get( "o_RetNote" ); 
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);

        while ( pDB->More() )
        {
            continue;
        }
    }
    else
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->GetLastErrMsg();
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
   
    pSvrComm->Write(); 
    return nRetCode;
}


/***********************************************************************
*函数名称：Wt_Querylist 当日委托查询
*实现说明：
*
*
*备注：    
*    按委托号倒序  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//WT_QueryList    2003    //当日委托查询
long Wt_Querylist( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;   
    //## 取出当前处理线程的上下文的句柄    
    HANDLE hContext = KsGetHandle( pModule );    
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
    
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
    
    if ( NULL == pDB )
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write(); 
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
 
    //取出全部请求变量
    string sFidGDDM = pSvrComm->GetItem( FID_GDDM ); //股东代码
    string sFidZQDM = pSvrComm->GetItem( FID_ZQDM ); //证券代码
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    long   nFidTJRQ = pSvrComm->GetLong( FID_TJRQ ); //统计日期
    long   nFidWTRQ = pSvrComm->GetLong( FID_WTRQ ); //委托日期

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswerMul();
    while ( pDB->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_WTSJ, pDB->Get( 1 ) ); //委托时间
        pSvrComm->SetItem( FID_ZQDM, pDB->Get( 2 ) ); //证券代码
        pSvrComm->SetItem( FID_ZQLB, pDB->Get( 3 ) ); //证券类别
        pSvrComm->SetItem( FID_ZQMC, pDB->Get( 4 ) ); //证券名称
        pSvrComm->SetItem( FID_CJSL, pDB->Get( 5 ) ); //成交数量
        pSvrComm->SetItem( FID_WTLB, pDB->Get( 6 ) ); //委托类别
        pSvrComm->SetItem( FID_WTSL, pDB->Get( 7 ) ); //委托数量
        pSvrComm->SetItem( FID_WTH,  pDB->Get( 8 ) ); //委托号
        pSvrComm->SetItem( FID_WTJG, pDB->Get( 9 ) ); //委托价格

        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

    pSvrComm->CreateEndMark();
    
    sErrMsg = pDB->GetLastErrMsg();
    if (nCount < 1 && !sErrMsg.empty())
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
}


/***********************************************************************
*函数名称：Cj_Query 成交查询
*实现说明：
*    查询指定日期区间的成交
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//CJ_QUERY    2004    //成交查询
long Cj_Query( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;   
    //## 取出当前处理线程的上下文的句柄    
    HANDLE hContext = KsGetHandle( pModule );    
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
    
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
    
    if ( NULL == pDB )
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write(); 
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
 
    //取出全部请求变量
    string sFidKHH       = pSvrComm->GetItem( FID_KHH       ); //客户号
    long   nFidBEGINDate = pSvrComm->GetLong( FID_BEGINDATE ); //开始日期
    long   nFidEndDate   = pSvrComm->GetLong( FID_ENDDATE   ); //结束日期

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_BEGINDATE ) ) \
         || ( !pSvrComm->HaveItem( FID_ENDDATE ) ) \
       ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswerMul();
    while ( pDB->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_CJBH, pDB->Get( 1 ) ); //成交编号
        pSvrComm->SetItem( FID_ZQDM, pDB->Get( 2 ) ); //证券代码
        pSvrComm->SetItem( FID_ZQMC, pDB->Get( 3 ) ); //证券名称
        pSvrComm->SetItem( FID_CJSL, pDB->Get( 4 ) ); //成交数量
        pSvrComm->SetItem( FID_CJJE, pDB->Get( 5 ) ); //成交金额
        pSvrComm->SetItem( FID_CJJG, pDB->Get( 6 ) ); //成交价格

        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

    pSvrComm->CreateEndMark();
    
    sErrMsg = pDB->GetLastErrMsg();
    if (nCount < 1 && !sErrMsg.empty())
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
}


/***********************************************************************
*函数名称：Wt_List_Sum 委托汇总统计
*实现说明：
*    调用存储过程 P_WT_SUM
*
*
*备注：    
*    日终使用  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//WT_LIST_SUM    2005    //委托汇总统计
long Wt_List_Sum( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;   
    //## 取出当前处理线程的上下文的句柄    
    HANDLE hContext = KsGetHandle( pModule );    
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
    
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
    
    if ( NULL == pDB )
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write(); 
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
 
    //取出全部请求变量
    string sFidYYB = pSvrComm->GetItem( FID_YYB ); //营业部
    long   nFidRQ  = pSvrComm->GetLong( FID_RQ  ); //日期

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_YYB ) || sFidYYB.empty() ) \
         || ( !pSvrComm->HaveItem( FID_RQ ) ) \
       ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswer();
    if ( pDB->Exec() )
    {
        nRetCode = pDB->GetLong( "o_RetCode" );
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->Get( "o_RetNote" ); 
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
    else
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->GetLastErrMsg();
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
   
    pSvrComm->Write(); 
    return nRetCode;
}


