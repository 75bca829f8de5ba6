/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：XTGL 系统管理
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
*函数名称：UserLogin 操作员登录
*实现说明：
*    校验登录帐号和密码，记录登录IP
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
//SYS_USER_LOGIN    3001    //操作员登录
long UserLogin( struct Service_Module* pModule )
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
    string sFidLoginPWD = pSvrComm->GetItem( FID_LOGINPWD ); //登录密码
    string sFidLoginID  = pSvrComm->GetItem( FID_LOGINID  ); //登录帐号
    string sFidVersion  = pSvrComm->GetItem( FID_VERSION  ); //版本号
    string sFidIPADDR   = pSvrComm->GetItem( FID_IPADDR   ); //IP地址

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_LOGINPWD ) || sFidLoginPWD.empty() ) \
         || ( !pSvrComm->HaveItem( FID_LOGINID ) || sFidLoginID.empty() ) \
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
    
        pSvrComm->SetItem( FID_MESSAGENAME, pDB->Get( 1 ) ); //消息名称
        pSvrComm->SetItem( FID_USERNAME,    pDB->Get( 2 ) ); //用户名称
        pSvrComm->SetItem( FID_ORGCODE,     pDB->Get( 3 ) ); //机构代码
        pSvrComm->SetItem( FID_CZY,         pDB->Get( 4 ) ); //操作员

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
*函数名称：Sys_Param_Query 系统参数查询
*实现说明：
*    读取系统参数表
*
*
*备注：    
*    参数键为空时返回全部参数  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//SYS_PARAM_QUERY    3002    //系统参数查询
long Sys_Param_Query( struct Service_Module* pModule )
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
    string sFidKey  = pSvrComm->GetItem( FID_KEY  ); //参数键
    long   nFidType = pSvrComm->GetLong( FID_TYPE ); //参数类型

    //请求变量有效性检查


    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL

    pSvrComm->CreateAnswerMul();
    while ( pDB->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_UPDATETIME, pDB->Get( 1 ) ); //更新时间
        pSvrComm->SetItem( FID_UPLOADPATH, pDB->Get( 2 ) ); //上传路径
        pSvrComm->SetItem( FID_DATABASE,   pDB->Get( 3 ) ); //数据库名
        pSvrComm->SetItem( FID_FILEPATH,   pDB->Get( 4 ) ); //文件路径
        pSvrComm->SetItem( FID_COMPANY,    pDB->Get( 5 ) ); //公司名称
        pSvrComm->SetItem( FID_VERSION,    pDB->Get( 6 ) ); //版本号
        pSvrComm->SetItem( FID_NOTE,       pDB->Get( 7 ) ); //备注
        pSvrComm->SetItem( FID_KEY,        pDB->Get( 8 ) ); //参数键
        pSvrComm->SetItem( FID_PORT,       pDB->Get( 9 ) ); //端口
        pSvrComm->SetItem( FID_TYPE,       pDB->Get( 10 ) ); //参数类型

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
*函数名称：Sys_Menu_List 菜单查询
*实现说明：
*    按操作员权限返回菜单
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
//SYS_MENU_list    3003    //菜单查询
long Sys_Menu_List( struct Service_Module* pModule )
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
    string sFidCZY      = pSvrComm->GetItem( FID_CZY      ); //操作员
    long   nFidFatherID = pSvrComm->GetLong( FID_FATHERID ); //上级编号

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_CZY ) || sFidCZY.empty() ) ) 
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
    
        pSvrComm->SetItem( FID_MASK,     pDB->Get( 1 ) ); //权限掩码
        pSvrComm->SetItem( FID_FATHERID, pDB->Get( 2 ) ); //上级编号
        pSvrComm->SetItem( FID_MENUID,   pDB->Get( 3 ) ); //菜单编号
        pSvrComm->SetItem( FID_GNDM,     pDB->Get( 4 ) ); //功能代码

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
*函数名称：Sys_Note_Add 新增公告
*实现说明：
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
//SYS_NOTE_ADD    3004    //新增公告
long Sys_Note_Add( struct Service_Module* pModule )
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
    string sFidNote      = pSvrComm->GetItem( FID_NOTE      ); //公告内容
    string sFidCZY       = pSvrComm->GetItem( FID_CZY       ); //操作员
    long   nFidBEGINDate = pSvrComm->GetLong( FID_BEGINDATE ); //开始日期
    long   nFidEndDate   = pSvrComm->GetLong( FID_ENDDATE   ); //结束日期

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_NOTE ) || sFidNote.empty() ) \
         || ( !pSvrComm->HaveItem( FID_CZY ) || sFidCZY.empty() ) \
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


