/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：FN 函数
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
*函数名称：Query_List 查询列表
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
//QUERY_LIST    1001    //查询列表
long Query_List( struct Service_Module* pModule )
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

        pSvrComm->SetItem( FID_KHXM, pDB->Get( 1 ) ); //客户姓名

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
*函数名称：Query_List2 过程列表
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
//QUERY_LIST2    1002    //过程列表
long Query_List2( struct Service_Module* pModule )
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
*函数名称：Get_User 取用户
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
//GET_USER    1003    //取用户
long Get_User( struct Service_Module* pModule )
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
*函数名称：Get_Info 取信息
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
//GET_INFO    1004    //取信息
long Get_Info( struct Service_Module* pModule )
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
    
        pSvrComm->SetItem( FID_VERYLONGCODE12, pDB->Get( 1 ) ); //很长的代码
        pSvrComm->SetItem( FID_A,          pDB->Get( 2 ) ); //短

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
*函数名称：User_Query 点号
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
//USER_QUERY    1005    //点号
long User_Query( struct Service_Module* pModule )
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
*函数名称：O'brien 引号
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
//O'BRIEN    1006    //引号
long O'brien( struct Service_Module* pModule )
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
*函数名称：GetUserInfo 显式名
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
//X_Y    1007    //显式名
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


