/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：USR 用户
*摘要：    BLS 实现文件。    
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
*函数名称：Fun_Query_User 查询用户
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
//QUERY_USER    1001    //查询用户
long Fun_Query_User( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
    //## 申请上级服务连接
    CFOClient* pClient = KsGetClient( pModule );

    long nRetCode  = 0L; //返回码
    long nCount    = 0L; //返回记录数
    string sErrMsg = ""; //返回说明信息

    if ( NULL == pClient )
    {
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETCLIENTFAIL);
        sErrMsg = ERRSTR_GETCLIENTFAIL;
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

    nRetCode = pClient->GetCode();
    if ( nRetCode < 0 ) //业务处理失败处理
    {
        sErrMsg = pClient->GetLastErrMsg();
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }
    
    //记录柜员日志
    //string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
    //if ( sFidAnsZY.empty() )
    //{
        //sFidAnsZY = "...";
    //}
    //pClient->CreateHead( FUN_USER_REGLOG );
    //pClient->SetItem(FID_YWKM, "30599");
    //pClient->SetItem(FID_ZY, sFidAnsZY.c_str());
    //pClient->Write();
    
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "查询用户成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Add_User 增加用户
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
//ADD_USER    1002    //增加用户
long Fun_Add_User( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
    //## 申请上级服务连接
    CFOClient* pClient = KsGetClient( pModule );

    long nRetCode  = 0L; //返回码
    long nCount    = 0L; //返回记录数
    string sErrMsg = ""; //返回说明信息

    if ( NULL == pClient )
    {
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETCLIENTFAIL);
        sErrMsg = ERRSTR_GETCLIENTFAIL;
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

    nRetCode = pClient->GetCode();
    if ( nRetCode < 0 ) //业务处理失败处理
    {
        sErrMsg = pClient->GetLastErrMsg();
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }
    
    //记录柜员日志
    //string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
    //if ( sFidAnsZY.empty() )
    //{
        //sFidAnsZY = "...";
    //}
    //pClient->CreateHead( FUN_USER_REGLOG );
    //pClient->SetItem(FID_YWKM, "30599");
    //pClient->SetItem(FID_ZY, sFidAnsZY.c_str());
    //pClient->Write();
    
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "增加用户成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


