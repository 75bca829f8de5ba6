/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：ZJYW 资金业务
*摘要：    BLS 实现文件。    
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
*函数名称：Fun_Zj_Transfer 银证转账
*实现说明：
*    转账申请需后台审核
*    审核通过后提交银行
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
//ZJ_TRANSFER    6101    //银证转账
long Fun_Zj_Transfer( struct Service_Module* pModule )
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
    string sFidKHYYB = pSvrComm->GetItem( FID_KHYYB ); //客户营业部
    string sFidSHXYM = pSvrComm->GetItem( FID_SHXYM ); //审核校验码
    string sFidFHGY  = pSvrComm->GetItem( FID_FHGY  ); //复核柜员
    string sFidKHQZ  = pSvrComm->GetItem( FID_KHQZ  ); //客户群组
    string sFidYHDM  = pSvrComm->GetItem( FID_YHDM  ); //银行代码
    string sFidYHZH  = pSvrComm->GetItem( FID_YHZH  ); //银行账号
    string sFidZJMM  = pSvrComm->GetItem( FID_ZJMM  ); //资金密码
    string sFidZJZH  = pSvrComm->GetItem( FID_ZJZH  ); //资金账号
    string sFidKHH   = pSvrComm->GetItem( FID_KHH   ); //客户号
    string sFidBZ    = pSvrComm->GetItem( FID_BZ    ); //币种

    long   nFidYWSQH = pSvrComm->GetLong( FID_YWSQH ); //业务申请号
    long   nFidZLLB  = pSvrComm->GetLong( FID_ZLLB  ); //指令类别
    long   nFidZZFX  = pSvrComm->GetLong( FID_ZZFX  ); //转账方向
    double dFidZZJE  = pSvrComm->GetDouble( FID_ZZJE ); //转账金额

    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHYYB ) || sFidKHYYB.empty() ) \
         || ( !pSvrComm->HaveItem( FID_YHDM ) || sFidYHDM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_YHZH ) || sFidYHZH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZJMM ) || sFidZJMM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_BZ ) || sFidBZ.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZLLB ) ) \
         || ( !pSvrComm->HaveItem( FID_ZZFX ) ) \
         || ( !pSvrComm->HaveItem( FID_ZZJE ) ) \
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


    
    //审核业务时，审核校验码必须送入
    if (nFidZLLB && sFidSHXYM.empty())
    {
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }
    
    //##Begin 开始业务处理
    
    //判断是否业务申请
    if ( nFidZLLB == 0 )
    {
        //获取业务审核参数内容        
        nCSID = Base_GetSHCS(&Mem, pClient, INVALID_YWKM, nSHFS, sFidKHYYB, sFidKHH);
        
        //需要后台审核
        if ( nSHFS & SHFS_ASYNC )
        {
            pClient->CreateHead( FUN_CHECK_OPER_REQ );           
            pClient->SetItem(FID_YWKM, INVALID_YWKM);
            pClient->SetItem(FID_KHH, sFidKHH.c_str());
            pClient->SetItem(FID_YYB, sFidKHYYB.c_str());
            pClient->SetItem(FID_KHQZ, sFidKHQZ.c_str());
            pClient->SetItem(FID_CSID, nCSID);
            pClient->SetItemBuf(FID_SQXQ, pSvrComm->GetReqBuf(), pSvrComm->GetReqSize());
            
            pClient->More();
            
            nRetCode = pClient->GetCode();
            sErrMsg = pClient->GetLastErrMsg();            
            if ( nRetCode < 0 )
            {
                pSvrComm->CreateAnswer();
                pSvrComm->SetErrMark();
                pSvrComm->SetItem(FID_CODE, nRetCode);
                pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
                pSvrComm->Write();
                return nRetCode;
            }
            
            if ( nRetCode > 0 )
            {
                nRetCode = 2;       //业务申请成功，等待审核中
                nHTSH = 1;
                nLSH = pClient->GetLong( FID_YWSQH );
            }
        }
        else
        {   
            bCommit = true;
        }
    }
    else
    {   //nFidZLLB = 1 后台审核通过，提交业务处理     
        //业务审核通过，附加校验
        string sSHXYM = GetAuditCode(nFidYWSQH, sFidKHH.c_str());
        
        if ( sSHXYM != sFidSHXYM )
        {
            nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_ILLPACK);
            sErrMsg = ERRSTR_ILLPACK;
        }
        else
        {
            bCommit = true;
        }
    }
    
    //需要最终提交业务处理
    if ( bCommit )
    {
        pClient->CreateHead( pSvrComm->GetFunc() );
        pClient->DirectToDest();
        
        pClient->More();
        nRetCode = pClient->GetCode();
        if ( nRetCode < 0 ) 
        {   //业务处理失败处理
            sErrMsg = pClient->GetLastErrMsg();
            pSvrComm->CreateAnswer();
            pSvrComm->SetItem(FID_CODE, nRetCode);
            pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
            pSvrComm->Write();
            return nRetCode;
        }
        
        //记录操作明细
        //        string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
        //
        //        if ( sFidAnsZY.empty() )
        //        {
        //            sFidAnsZY = "银证转账";
        //        }
        //        pClient->CreateHead( INVALID_FUN );
        //        pClient->SetItem(FID_KHH, sFidKHH.c_str());
        //        pClient->SetItem(FID_YWKM, INVALID_YWKM);
        //        pClient->SetItem(FID_FHGY, sFidFHGY.c_str());
        //        pClient->SetItem(FID_YWSQH, nFidYWSQH);
        //        pClient->SetItem(FID_ZY, sFidAnsZY.c_str());
        //        if ( pClient->More() )
        //        {
        //            if (pClient->GetCode() >= 0)
        //            {
        //                nLSH = pClient->GetLong( FID_LSH );
        //            }
        //        }
        
        nRetCode = 1;
        sErrMsg = "银证转账成功";
    }    

    //##End 结束业务处理

    //返回应答信息
    pSvrComm->CreateAnswer();
    if ( nRetCode <= 0 )
    {
        pSvrComm->SetErrMark();
    }    
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->SetItem(FID_LSH, nLSH);
    pSvrComm->SetItem(FID_HTSH, nHTSH);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Zj_Query 资金查询
*实现说明：
*    转发到资金中心
*
*
*备注：    
*    币种为空时返回全部币种  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//ZJ_QUERY    6102    //资金查询
long Fun_Zj_Query( struct Service_Module* pModule )
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
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    string sFidBZ   = pSvrComm->GetItem( FID_BZ   ); //币种

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) ) 
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
    sErrMsg = "资金查询成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Zj_Dj 资金冻结
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
//ZJ_DJ    6103    //资金冻结
long Fun_Zj_Dj( struct Service_Module* pModule )
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
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidCZY  = pSvrComm->GetItem( FID_CZY  ); //操作员
    string sFidBZ   = pSvrComm->GetItem( FID_BZ   ); //币种
    string sFidZY   = pSvrComm->GetItem( FID_ZY   ); //摘要
    double dFidJE   = pSvrComm->GetDouble( FID_JE ); //冻结金额

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_CZY ) || sFidCZY.empty() ) \
         || ( !pSvrComm->HaveItem( FID_BZ ) || sFidBZ.empty() ) \
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
    sErrMsg = "资金冻结成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Zj_History_List 资金流水查询
*实现说明：
*    查询历史库
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
//ZJ_HISTORY_List    6104    //资金流水查询
long Fun_Zj_History_List( struct Service_Module* pModule )
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
    string sFidZJZH      = pSvrComm->GetItem( FID_ZJZH      ); //资金账号
    string sFidBZ        = pSvrComm->GetItem( FID_BZ        ); //币种
    long   nFidBEGINDate = pSvrComm->GetLong( FID_BEGINDATE ); //开始日期
    long   nFidEndDate   = pSvrComm->GetLong( FID_ENDDATE   ); //结束日期

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) \
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


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    //pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理


    pSvrComm->CreateAnswerMul();
    while ( pClient->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_FHGY, pClient->GetItem( 1 ) ); //复核柜员
        pSvrComm->SetItem( FID_FSSJ, pClient->GetItem( 2 ) ); //发生时间
        pSvrComm->SetItem( FID_ZJZH, pClient->GetItem( 3 ) ); //资金账号
        pSvrComm->SetItem( FID_CZY,  pClient->GetItem( 4 ) ); //操作员
        pSvrComm->SetItem( FID_KHH,  pClient->GetItem( 5 ) ); //客户号
        pSvrComm->SetItem( FID_YYB,  pClient->GetItem( 6 ) ); //营业部
        pSvrComm->SetItem( FID_BZ,   pClient->GetItem( 7 ) ); //币种
        pSvrComm->SetItem( FID_ZY,   pClient->GetItem( 8 ) ); //摘要

        pSvrComm->SetItem( FID_FSRQ, pClient->GetItem( 9 ) ); //发生日期
        pSvrComm->SetItem( FID_YWKM, pClient->GetItem( 10 ) ); //业务科目
        pSvrComm->SetItem( FID_ZZFX, pClient->GetItem( 11 ) ); //转账方向
        pSvrComm->SetItem( FID_LSH,  pClient->GetItem( 12 ) ); //流水号

        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

    pSvrComm->CreateEndMark();
    
    if (nCount < 1 && pClient->GetLastErrMsg() != "")
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, pClient->GetLastErrMsg());
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
}


