/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：CHK 校验
*摘要：    FOS 实现文件。    
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

#include "stdafx.h"
#include "process.h"

#include <algorithm>
#include <string>

using namespace std;

/***********************************************************************
*函数名称：GetUserInfo 取信息
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//GET_INFO    4001    //取信息
long GetUserInfo( struct Service_Module* pModule )
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

    //请求变量有效性检查


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswer();
    if ( pDB->More() )
    {
        nRetCode = 1L;
        pSvrComm->SetItem(FID_CODE, nRetCode);
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
*函数名称：Validate_Ex 校验示例
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//VALIDATE_EX    6001    //校验示例
long Validate_Ex( struct Service_Module* pModule )
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
    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号
    string sFidBZ  = pSvrComm->GetItem( FID_BZ  ); //币种
    long   nFidJE  = pSvrComm->GetLong( FID_JE  ); //金额

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JE ) ) \
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


/***********************************************************************
*函数名称：Text_Items 文本项
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//TEXT_ITEMS    6002    //文本项
long Text_Items( struct Service_Module* pModule )
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
    string sFidB = pSvrComm->GetItem( FID_B ); //b
    string sFidA = pSvrComm->GetItem( FID_A ); //a
    double dFidC = pSvrComm->GetDouble( FID_C ); //c

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_B ) ) \
         || ( !pSvrComm->HaveItem( FID_A ) || sFidA.empty() ) \
         || ( !pSvrComm->HaveItem( FID_C ) ) \
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


/***********************************************************************
*函数名称：One_Param 一个参数
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//ONE_PARAM    6003    //一个参数
long One_Param( struct Service_Module* pModule )
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
    long   nFidJE = pSvrComm->GetLong( FID_JE ); //金额

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_JE ) ) ) 
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
*函数名称：Group_10 十行
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//GROUP_10    7001    //十行
long Group_10( struct Service_Module* pModule )
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
    string sFidS01 = pSvrComm->GetItem( FID_S01 ); //n
    string sFidS02 = pSvrComm->GetItem( FID_S02 ); //n
    string sFidS03 = pSvrComm->GetItem( FID_S03 ); //n
    string sFidS04 = pSvrComm->GetItem( FID_S04 ); //n
    string sFidS05 = pSvrComm->GetItem( FID_S05 ); //n
    long   nFidL01 = pSvrComm->GetLong( FID_L01 ); //n
    long   nFidL02 = pSvrComm->GetLong( FID_L02 ); //n
    long   nFidL03 = pSvrComm->GetLong( FID_L03 ); //n
    long   nFidL04 = pSvrComm->GetLong( FID_L04 ); //n
    long   nFidL05 = pSvrComm->GetLong( FID_L05 ); //n

    //请求变量有效性检查


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


/***********************************************************************
*函数名称：Group_11 十一行
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//GROUP_11    7002    //十一行
long Group_11( struct Service_Module* pModule )
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
    string sFidS01 = pSvrComm->GetItem( FID_S01 ); //n
    string sFidS02 = pSvrComm->GetItem( FID_S02 ); //n
    string sFidS03 = pSvrComm->GetItem( FID_S03 ); //n
    string sFidS04 = pSvrComm->GetItem( FID_S04 ); //n
    string sFidS05 = pSvrComm->GetItem( FID_S05 ); //n

    long   nFidL01 = pSvrComm->GetLong( FID_L01 ); //n
    long   nFidL02 = pSvrComm->GetLong( FID_L02 ); //n
    long   nFidL03 = pSvrComm->GetLong( FID_L03 ); //n
    long   nFidL04 = pSvrComm->GetLong( FID_L04 ); //n
    long   nFidL05 = pSvrComm->GetLong( FID_L05 ); //n
    long   nFidL06 = pSvrComm->GetLong( FID_L06 ); //n

    //请求变量有效性检查


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


/***********************************************************************
*函数名称：Group_12 十二行
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//GROUP_12    7003    //十二行
long Group_12( struct Service_Module* pModule )
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
    string sFidS01 = pSvrComm->GetItem( FID_S01 ); //n
    string sFidS02 = pSvrComm->GetItem( FID_S02 ); //n
    string sFidS03 = pSvrComm->GetItem( FID_S03 ); //n
    string sFidS04 = pSvrComm->GetItem( FID_S04 ); //n
    string sFidS05 = pSvrComm->GetItem( FID_S05 ); //n
    string sFidS06 = pSvrComm->GetItem( FID_S06 ); //n
    string sFidS07 = pSvrComm->GetItem( FID_S07 ); //n
    string sFidS08 = pSvrComm->GetItem( FID_S08 ); //n

    long   nFidL01 = pSvrComm->GetLong( FID_L01 ); //n
    long   nFidL02 = pSvrComm->GetLong( FID_L02 ); //n
    long   nFidL03 = pSvrComm->GetLong( FID_L03 ); //n
    long   nFidL04 = pSvrComm->GetLong( FID_L04 ); //n

    //请求变量有效性检查


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswer();
    if ( pDB->More() )
    {
        nRetCode = 1L;
        pSvrComm->SetItem(FID_CODE, nRetCode);
    
        pSvrComm->SetItem( FID_S01, pDB->Get( 1 ) ); //n
        pSvrComm->SetItem( FID_S02, pDB->Get( 2 ) ); //n
        pSvrComm->SetItem( FID_S03, pDB->Get( 3 ) ); //n
        pSvrComm->SetItem( FID_S04, pDB->Get( 4 ) ); //n
        pSvrComm->SetItem( FID_S05, pDB->Get( 5 ) ); //n
        pSvrComm->SetItem( FID_S06, pDB->Get( 6 ) ); //n
        pSvrComm->SetItem( FID_S07, pDB->Get( 7 ) ); //n
        pSvrComm->SetItem( FID_S08, pDB->Get( 8 ) ); //n

        pSvrComm->SetItem( FID_L01, pDB->Get( 9 ) ); //n
        pSvrComm->SetItem( FID_L02, pDB->Get( 10 ) ); //n
        pSvrComm->SetItem( FID_L03, pDB->Get( 11 ) ); //n
        pSvrComm->SetItem( FID_L04, pDB->Get( 12 ) ); //n

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
*函数名称：Group_Early 早换
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//GROUP_EARLY    7004    //早换
long Group_Early( struct Service_Module* pModule )
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
    string sFidS01 = pSvrComm->GetItem( FID_S01 ); //n
    string sFidS02 = pSvrComm->GetItem( FID_S02 ); //n
    string sFidS03 = pSvrComm->GetItem( FID_S03 ); //n
    long   nFidL01 = pSvrComm->GetLong( FID_L01 ); //n
    long   nFidL02 = pSvrComm->GetLong( FID_L02 ); //n
    long   nFidL03 = pSvrComm->GetLong( FID_L03 ); //n
    long   nFidL04 = pSvrComm->GetLong( FID_L04 ); //n
    long   nFidL05 = pSvrComm->GetLong( FID_L05 ); //n
    long   nFidL06 = pSvrComm->GetLong( FID_L06 ); //n
    long   nFidL07 = pSvrComm->GetLong( FID_L07 ); //n
    long   nFidL08 = pSvrComm->GetLong( FID_L08 ); //n
    long   nFidL09 = pSvrComm->GetLong( FID_L09 ); //n

    //请求变量有效性检查


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


