/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：ODD 怪值
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
*函数名称：Blanks 
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
//BLANKS    5002    //
long Blanks( struct Service_Module* pModule )
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
*函数名称：Many_Params 多参数
*实现说明：
*    line1
*    line2
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
//MANY_PARAMS    5004    //多参数
long Many_Params( struct Service_Module* pModule )
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
    string sFid     = pSvrComm->GetItem(          ); //
    string sFidP112 = pSvrComm->GetItem( FID_P112 ); //参数112
    string sFidP126 = pSvrComm->GetItem( FID_P126 ); //参数126
    string sFidP140 = pSvrComm->GetItem( FID_P140 ); //参数140
    string sFidP154 = pSvrComm->GetItem( FID_P154 ); //参数154
    string sFidP168 = pSvrComm->GetItem( FID_P168 ); //参数168
    string sFidP182 = pSvrComm->GetItem( FID_P182 ); //参数182
    string sFidP196 = pSvrComm->GetItem( FID_P196 ); //参数196
    string sFidP210 = pSvrComm->GetItem( FID_P210 ); //参数210
    string sFidP224 = pSvrComm->GetItem( FID_P224 ); //参数224
    string sFidP238 = pSvrComm->GetItem( FID_P238 ); //参数238
    string sFidP252 = pSvrComm->GetItem( FID_P252 ); //参数252
    string sFidP266 = pSvrComm->GetItem( FID_P266 ); //参数266
    string sFidP280 = pSvrComm->GetItem( FID_P280 ); //参数280
    string sFidP294 = pSvrComm->GetItem( FID_P294 ); //参数294
    string sFidP14  = pSvrComm->GetItem( FID_P14  ); //参数14
    string sFidP28  = pSvrComm->GetItem( FID_P28  ); //参数28
    string sFidP42  = pSvrComm->GetItem( FID_P42  ); //参数42
    string sFidP56  = pSvrComm->GetItem( FID_P56  ); //参数56
    string sFidP70  = pSvrComm->GetItem( FID_P70  ); //参数70
    string sFidP84  = pSvrComm->GetItem( FID_P84  ); //参数84
    string sFidP98  = pSvrComm->GetItem( FID_P98  ); //参数98
    string sFidP106 = pSvrComm->GetItem( FID_P106 ); //参数106
    string sFidP120 = pSvrComm->GetItem( FID_P120 ); //参数120
    string sFidP134 = pSvrComm->GetItem( FID_P134 ); //参数134
    string sFidP148 = pSvrComm->GetItem( FID_P148 ); //参数148
    string sFidP162 = pSvrComm->GetItem( FID_P162 ); //参数162
    string sFidP176 = pSvrComm->GetItem( FID_P176 ); //参数176
    string sFidP190 = pSvrComm->GetItem( FID_P190 ); //参数190
    string sFidP204 = pSvrComm->GetItem( FID_P204 ); //参数204
    string sFidP218 = pSvrComm->GetItem( FID_P218 ); //参数218
    string sFidP232 = pSvrComm->GetItem( FID_P232 ); //参数232
    string sFidP246 = pSvrComm->GetItem( FID_P246 ); //参数246
    string sFidP260 = pSvrComm->GetItem( FID_P260 ); //参数260
    string sFidP274 = pSvrComm->GetItem( FID_P274 ); //参数274
    string sFidP288 = pSvrComm->GetItem( FID_P288 ); //参数288
    string sFidP22  = pSvrComm->GetItem( FID_P22  ); //参数22
    string sFidP36  = pSvrComm->GetItem( FID_P36  ); //参数36
    string sFidP50  = pSvrComm->GetItem( FID_P50  ); //参数50
    string sFidP64  = pSvrComm->GetItem( FID_P64  ); //参数64
    string sFidP78  = pSvrComm->GetItem( FID_P78  ); //参数78
    string sFidP92  = pSvrComm->GetItem( FID_P92  ); //参数92
    string sFidP8   = pSvrComm->GetItem( FID_P8   ); //参数8
    string sFidP100 = pSvrComm->GetItem( FID_P100 ); //参数100
    string sFidP114 = pSvrComm->GetItem( FID_P114 ); //参数114
    string sFidP128 = pSvrComm->GetItem( FID_P128 ); //参数128
    string sFidP142 = pSvrComm->GetItem( FID_P142 ); //参数142
    string sFidP156 = pSvrComm->GetItem( FID_P156 ); //参数156
    string sFidP170 = pSvrComm->GetItem( FID_P170 ); //参数170
    string sFidP184 = pSvrComm->GetItem( FID_P184 ); //参数184
    string sFidP198 = pSvrComm->GetItem( FID_P198 ); //参数198
    string sFidP212 = pSvrComm->GetItem( FID_P212 ); //参数212
    string sFidP226 = pSvrComm->GetItem( FID_P226 ); //参数226
    string sFidP240 = pSvrComm->GetItem( FID_P240 ); //参数240
    string sFidP254 = pSvrComm->GetItem( FID_P254 ); //参数254
    string sFidP268 = pSvrComm->GetItem( FID_P268 ); //参数268
    string sFidP282 = pSvrComm->GetItem( FID_P282 ); //参数282
    string sFidP296 = pSvrComm->GetItem( FID_P296 ); //参数296
    string sFidP16  = pSvrComm->GetItem( FID_P16  ); //参数16
    string sFidP30  = pSvrComm->GetItem( FID_P30  ); //参数30
    string sFidP44  = pSvrComm->GetItem( FID_P44  ); //参数44
    string sFidP58  = pSvrComm->GetItem( FID_P58  ); //参数58
    string sFidP72  = pSvrComm->GetItem( FID_P72  ); //参数72
    string sFidP86  = pSvrComm->GetItem( FID_P86  ); //参数86
    string sFidP2   = pSvrComm->GetItem( FID_P2   ); //参数2
    string sFidP108 = pSvrComm->GetItem( FID_P108 ); //参数108
    string sFidP122 = pSvrComm->GetItem( FID_P122 ); //参数122
    string sFidP136 = pSvrComm->GetItem( FID_P136 ); //参数136
    string sFidP150 = pSvrComm->GetItem( FID_P150 ); //参数150
    string sFidP164 = pSvrComm->GetItem( FID_P164 ); //参数164
    string sFidP178 = pSvrComm->GetItem( FID_P178 ); //参数178
    string sFidP192 = pSvrComm->GetItem( FID_P192 ); //参数192
    string sFidP206 = pSvrComm->GetItem( FID_P206 ); //参数206
    string sFidP220 = pSvrComm->GetItem( FID_P220 ); //参数220
    string sFidP234 = pSvrComm->GetItem( FID_P234 ); //参数234
    string sFidP248 = pSvrComm->GetItem( FID_P248 ); //参数248
    string sFidP262 = pSvrComm->GetItem( FID_P262 ); //参数262
    string sFidP276 = pSvrComm->GetItem( FID_P276 ); //参数276
    string sFidP290 = pSvrComm->GetItem( FID_P290 ); //参数290
    string sFidP10  = pSvrComm->GetItem( FID_P10  ); //参数10
    string sFidP24  = pSvrComm->GetItem( FID_P24  ); //参数24
    string sFidP38  = pSvrComm->GetItem( FID_P38  ); //参数38
    string sFidP52  = pSvrComm->GetItem( FID_P52  ); //参数52
    string sFidP66  = pSvrComm->GetItem( FID_P66  ); //参数66
    string sFidP80  = pSvrComm->GetItem( FID_P80  ); //参数80
    string sFidP94  = pSvrComm->GetItem( FID_P94  ); //参数94

    long   nFidP102 = pSvrComm->GetLong( FID_P102 ); //参数102
    long   nFidP116 = pSvrComm->GetLong( FID_P116 ); //参数116
    long   nFidP130 = pSvrComm->GetLong( FID_P130 ); //参数130
    long   nFidP144 = pSvrComm->GetLong( FID_P144 ); //参数144
    long   nFidP158 = pSvrComm->GetLong( FID_P158 ); //参数158
    long   nFidP172 = pSvrComm->GetLong( FID_P172 ); //参数172
    long   nFidP186 = pSvrComm->GetLong( FID_P186 ); //参数186
    long   nFidP200 = pSvrComm->GetLong( FID_P200 ); //参数200
    long   nFidP214 = pSvrComm->GetLong( FID_P214 ); //参数214
    long   nFidP228 = pSvrComm->GetLong( FID_P228 ); //参数228
    long   nFidP242 = pSvrComm->GetLong( FID_P242 ); //参数242
    long   nFidP256 = pSvrComm->GetLong( FID_P256 ); //参数256
    long   nFidP270 = pSvrComm->GetLong( FID_P270 ); //参数270
    long   nFidP284 = pSvrComm->GetLong( FID_P284 ); //参数284
    long   nFidP298 = pSvrComm->GetLong( FID_P298 ); //参数298
    long   nFidP18  = pSvrComm->GetLong( FID_P18  ); //参数18
    long   nFidP32  = pSvrComm->GetLong( FID_P32  ); //参数32
    long   nFidP46  = pSvrComm->GetLong( FID_P46  ); //参数46
    long   nFidP60  = pSvrComm->GetLong( FID_P60  ); //参数60
    long   nFidP74  = pSvrComm->GetLong( FID_P74  ); //参数74
    long   nFidP88  = pSvrComm->GetLong( FID_P88  ); //参数88
    long   nFidP4   = pSvrComm->GetLong( FID_P4   ); //参数4
    long   nFidP110 = pSvrComm->GetLong( FID_P110 ); //参数110
    long   nFidP124 = pSvrComm->GetLong( FID_P124 ); //参数124
    long   nFidP138 = pSvrComm->GetLong( FID_P138 ); //参数138
    long   nFidP152 = pSvrComm->GetLong( FID_P152 ); //参数152
    long   nFidP166 = pSvrComm->GetLong( FID_P166 ); //参数166
    long   nFidP180 = pSvrComm->GetLong( FID_P180 ); //参数180
    long   nFidP194 = pSvrComm->GetLong( FID_P194 ); //参数194
    long   nFidP208 = pSvrComm->GetLong( FID_P208 ); //参数208
    long   nFidP222 = pSvrComm->GetLong( FID_P222 ); //参数222
    long   nFidP236 = pSvrComm->GetLong( FID_P236 ); //参数236
    long   nFidP250 = pSvrComm->GetLong( FID_P250 ); //参数250
    long   nFidP264 = pSvrComm->GetLong( FID_P264 ); //参数264
    long   nFidP278 = pSvrComm->GetLong( FID_P278 ); //参数278
    long   nFidP292 = pSvrComm->GetLong( FID_P292 ); //参数292
    long   nFidP12  = pSvrComm->GetLong( FID_P12  ); //参数12
    long   nFidP26  = pSvrComm->GetLong( FID_P26  ); //参数26
    long   nFidP40  = pSvrComm->GetLong( FID_P40  ); //参数40
    long   nFidP54  = pSvrComm->GetLong( FID_P54  ); //参数54
    long   nFidP68  = pSvrComm->GetLong( FID_P68  ); //参数68
    long   nFidP82  = pSvrComm->GetLong( FID_P82  ); //参数82
    long   nFidP96  = pSvrComm->GetLong( FID_P96  ); //参数96

    double dFidP104 = pSvrComm->GetDouble( FID_P104 ); //参数104
    double dFidP118 = pSvrComm->GetDouble( FID_P118 ); //参数118
    double dFidP132 = pSvrComm->GetDouble( FID_P132 ); //参数132
    double dFidP146 = pSvrComm->GetDouble( FID_P146 ); //参数146
    double dFidP160 = pSvrComm->GetDouble( FID_P160 ); //参数160
    double dFidP174 = pSvrComm->GetDouble( FID_P174 ); //参数174
    double dFidP188 = pSvrComm->GetDouble( FID_P188 ); //参数188
    double dFidP202 = pSvrComm->GetDouble( FID_P202 ); //参数202
    double dFidP216 = pSvrComm->GetDouble( FID_P216 ); //参数216
    double dFidP230 = pSvrComm->GetDouble( FID_P230 ); //参数230
    double dFidP244 = pSvrComm->GetDouble( FID_P244 ); //参数244
    double dFidP258 = pSvrComm->GetDouble( FID_P258 ); //参数258
    double dFidP272 = pSvrComm->GetDouble( FID_P272 ); //参数272
    double dFidP286 = pSvrComm->GetDouble( FID_P286 ); //参数286
    double dFidP300 = pSvrComm->GetDouble( FID_P300 ); //参数300
    double dFidP20  = pSvrComm->GetDouble( FID_P20 ); //参数20
    double dFidP34  = pSvrComm->GetDouble( FID_P34 ); //参数34
    double dFidP48  = pSvrComm->GetDouble( FID_P48 ); //参数48
    double dFidP62  = pSvrComm->GetDouble( FID_P62 ); //参数62
    double dFidP76  = pSvrComm->GetDouble( FID_P76 ); //参数76
    double dFidP90  = pSvrComm->GetDouble( FID_P90 ); //参数90
    double dFidP6   = pSvrComm->GetDouble( FID_P6 ); //参数6

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_P112 ) ) \
         || ( !pSvrComm->HaveItem( FID_P154 ) ) \
         || ( !pSvrComm->HaveItem( FID_P196 ) ) \
         || ( !pSvrComm->HaveItem( FID_P238 ) ) \
         || ( !pSvrComm->HaveItem( FID_P280 ) ) \
         || ( !pSvrComm->HaveItem( FID_P28 ) ) \
         || ( !pSvrComm->HaveItem( FID_P70 ) ) \
         || ( !pSvrComm->HaveItem( FID_P106 ) || sFidP106.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P148 ) || sFidP148.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P190 ) || sFidP190.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P232 ) || sFidP232.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P274 ) || sFidP274.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P22 ) || sFidP22.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P64 ) || sFidP64.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P100 ) ) \
         || ( !pSvrComm->HaveItem( FID_P142 ) ) \
         || ( !pSvrComm->HaveItem( FID_P184 ) ) \
         || ( !pSvrComm->HaveItem( FID_P226 ) ) \
         || ( !pSvrComm->HaveItem( FID_P268 ) ) \
         || ( !pSvrComm->HaveItem( FID_P16 ) ) \
         || ( !pSvrComm->HaveItem( FID_P58 ) ) \
         || ( !pSvrComm->HaveItem( FID_P136 ) || sFidP136.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P178 ) || sFidP178.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P220 ) || sFidP220.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P262 ) || sFidP262.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P10 ) || sFidP10.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P52 ) || sFidP52.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P94 ) || sFidP94.empty() ) \
         || ( !pSvrComm->HaveItem( FID_P130 ) ) \
         || ( !pSvrComm->HaveItem( FID_P172 ) ) \
         || ( !pSvrComm->HaveItem( FID_P214 ) ) \
         || ( !pSvrComm->HaveItem( FID_P256 ) ) \
         || ( !pSvrComm->HaveItem( FID_P298 ) ) \
         || ( !pSvrComm->HaveItem( FID_P46 ) ) \
         || ( !pSvrComm->HaveItem( FID_P88 ) ) \
         || ( !pSvrComm->HaveItem( FID_P4 ) ) \
         || ( !pSvrComm->HaveItem( FID_P124 ) ) \
         || ( !pSvrComm->HaveItem( FID_P166 ) ) \
         || ( !pSvrComm->HaveItem( FID_P208 ) ) \
         || ( !pSvrComm->HaveItem( FID_P250 ) ) \
         || ( !pSvrComm->HaveItem( FID_P292 ) ) \
         || ( !pSvrComm->HaveItem( FID_P40 ) ) \
         || ( !pSvrComm->HaveItem( FID_P82 ) ) \
         || ( !pSvrComm->HaveItem( FID_P118 ) ) \
         || ( !pSvrComm->HaveItem( FID_P160 ) ) \
         || ( !pSvrComm->HaveItem( FID_P202 ) ) \
         || ( !pSvrComm->HaveItem( FID_P244 ) ) \
         || ( !pSvrComm->HaveItem( FID_P286 ) ) \
         || ( !pSvrComm->HaveItem( FID_P34 ) ) \
         || ( !pSvrComm->HaveItem( FID_P76 ) ) \
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
    
        pSvrComm->SetItem( FID_P105, pDB->Get( 1 ) ); //参数105
        pSvrComm->SetItem( FID_P119, pDB->Get( 2 ) ); //参数119
        pSvrComm->SetItem( FID_P133, pDB->Get( 3 ) ); //参数133
        pSvrComm->SetItem( FID_P147, pDB->Get( 4 ) ); //参数147
        pSvrComm->SetItem( FID_P161, pDB->Get( 5 ) ); //参数161
        pSvrComm->SetItem( FID_P175, pDB->Get( 6 ) ); //参数175
        pSvrComm->SetItem( FID_P189, pDB->Get( 7 ) ); //参数189
        pSvrComm->SetItem( FID_P203, pDB->Get( 8 ) ); //参数203
        pSvrComm->SetItem( FID_P217, pDB->Get( 9 ) ); //参数217
        pSvrComm->SetItem( FID_P231, pDB->Get( 10 ) ); //参数231
        pSvrComm->SetItem( FID_P245, pDB->Get( 11 ) ); //参数245
        pSvrComm->SetItem( FID_P259, pDB->Get( 12 ) ); //参数259
        pSvrComm->SetItem( FID_P273, pDB->Get( 13 ) ); //参数273
        pSvrComm->SetItem( FID_P287, pDB->Get( 14 ) ); //参数287
        pSvrComm->SetItem( FID_P21,  pDB->Get( 15 ) ); //参数21
        pSvrComm->SetItem( FID_P35,  pDB->Get( 16 ) ); //参数35
        pSvrComm->SetItem( FID_P49,  pDB->Get( 17 ) ); //参数49
        pSvrComm->SetItem( FID_P63,  pDB->Get( 18 ) ); //参数63
        pSvrComm->SetItem( FID_P77,  pDB->Get( 19 ) ); //参数77
        pSvrComm->SetItem( FID_P91,  pDB->Get( 20 ) ); //参数91
        pSvrComm->SetItem( FID_P7,   pDB->Get( 21 ) ); //参数7
        pSvrComm->SetItem( FID_P113, pDB->Get( 22 ) ); //参数113
        pSvrComm->SetItem( FID_P127, pDB->Get( 23 ) ); //参数127
        pSvrComm->SetItem( FID_P141, pDB->Get( 24 ) ); //参数141
        pSvrComm->SetItem( FID_P155, pDB->Get( 25 ) ); //参数155
        pSvrComm->SetItem( FID_P169, pDB->Get( 26 ) ); //参数169
        pSvrComm->SetItem( FID_P183, pDB->Get( 27 ) ); //参数183
        pSvrComm->SetItem( FID_P197, pDB->Get( 28 ) ); //参数197
        pSvrComm->SetItem( FID_P211, pDB->Get( 29 ) ); //参数211
        pSvrComm->SetItem( FID_P225, pDB->Get( 30 ) ); //参数225
        pSvrComm->SetItem( FID_P239, pDB->Get( 31 ) ); //参数239
        pSvrComm->SetItem( FID_P253, pDB->Get( 32 ) ); //参数253
        pSvrComm->SetItem( FID_P267, pDB->Get( 33 ) ); //参数267
        pSvrComm->SetItem( FID_P281, pDB->Get( 34 ) ); //参数281
        pSvrComm->SetItem( FID_P295, pDB->Get( 35 ) ); //参数295
        pSvrComm->SetItem( FID_P15,  pDB->Get( 36 ) ); //参数15
        pSvrComm->SetItem( FID_P29,  pDB->Get( 37 ) ); //参数29
        pSvrComm->SetItem( FID_P43,  pDB->Get( 38 ) ); //参数43
        pSvrComm->SetItem( FID_P57,  pDB->Get( 39 ) ); //参数57
        pSvrComm->SetItem( FID_P71,  pDB->Get( 40 ) ); //参数71
        pSvrComm->SetItem( FID_P85,  pDB->Get( 41 ) ); //参数85
        pSvrComm->SetItem( FID_P99,  pDB->Get( 42 ) ); //参数99
        pSvrComm->SetItem( FID_P1,   pDB->Get( 43 ) ); //参数1
        pSvrComm->SetItem( FID_P107, pDB->Get( 44 ) ); //参数107
        pSvrComm->SetItem( FID_P121, pDB->Get( 45 ) ); //参数121
        pSvrComm->SetItem( FID_P135, pDB->Get( 46 ) ); //参数135
        pSvrComm->SetItem( FID_P149, pDB->Get( 47 ) ); //参数149
        pSvrComm->SetItem( FID_P163, pDB->Get( 48 ) ); //参数163
        pSvrComm->SetItem( FID_P177, pDB->Get( 49 ) ); //参数177
        pSvrComm->SetItem( FID_P191, pDB->Get( 50 ) ); //参数191
        pSvrComm->SetItem( FID_P205, pDB->Get( 51 ) ); //参数205
        pSvrComm->SetItem( FID_P219, pDB->Get( 52 ) ); //参数219
        pSvrComm->SetItem( FID_P233, pDB->Get( 53 ) ); //参数233
        pSvrComm->SetItem( FID_P247, pDB->Get( 54 ) ); //参数247
        pSvrComm->SetItem( FID_P261, pDB->Get( 55 ) ); //参数261
        pSvrComm->SetItem( FID_P275, pDB->Get( 56 ) ); //参数275
        pSvrComm->SetItem( FID_P289, pDB->Get( 57 ) ); //参数289
        pSvrComm->SetItem( FID_P23,  pDB->Get( 58 ) ); //参数23
        pSvrComm->SetItem( FID_P37,  pDB->Get( 59 ) ); //参数37
        pSvrComm->SetItem( FID_P51,  pDB->Get( 60 ) ); //参数51
        pSvrComm->SetItem( FID_P65,  pDB->Get( 61 ) ); //参数65
        pSvrComm->SetItem( FID_P79,  pDB->Get( 62 ) ); //参数79
        pSvrComm->SetItem( FID_P93,  pDB->Get( 63 ) ); //参数93
        pSvrComm->SetItem( FID_P9,   pDB->Get( 64 ) ); //参数9
        pSvrComm->SetItem( FID_P101, pDB->Get( 65 ) ); //参数101
        pSvrComm->SetItem( FID_P115, pDB->Get( 66 ) ); //参数115
        pSvrComm->SetItem( FID_P129, pDB->Get( 67 ) ); //参数129
        pSvrComm->SetItem( FID_P143, pDB->Get( 68 ) ); //参数143
        pSvrComm->SetItem( FID_P157, pDB->Get( 69 ) ); //参数157
        pSvrComm->SetItem( FID_P171, pDB->Get( 70 ) ); //参数171
        pSvrComm->SetItem( FID_P185, pDB->Get( 71 ) ); //参数185
        pSvrComm->SetItem( FID_P199, pDB->Get( 72 ) ); //参数199
        pSvrComm->SetItem( FID_P213, pDB->Get( 73 ) ); //参数213
        pSvrComm->SetItem( FID_P227, pDB->Get( 74 ) ); //参数227
        pSvrComm->SetItem( FID_P241, pDB->Get( 75 ) ); //参数241
        pSvrComm->SetItem( FID_P255, pDB->Get( 76 ) ); //参数255
        pSvrComm->SetItem( FID_P269, pDB->Get( 77 ) ); //参数269
        pSvrComm->SetItem( FID_P283, pDB->Get( 78 ) ); //参数283
        pSvrComm->SetItem( FID_P297, pDB->Get( 79 ) ); //参数297
        pSvrComm->SetItem( FID_P17,  pDB->Get( 80 ) ); //参数17
        pSvrComm->SetItem( FID_P31,  pDB->Get( 81 ) ); //参数31
        pSvrComm->SetItem( FID_P45,  pDB->Get( 82 ) ); //参数45
        pSvrComm->SetItem( FID_P59,  pDB->Get( 83 ) ); //参数59
        pSvrComm->SetItem( FID_P73,  pDB->Get( 84 ) ); //参数73
        pSvrComm->SetItem( FID_P87,  pDB->Get( 85 ) ); //参数87
        pSvrComm->SetItem( FID_P3,   pDB->Get( 86 ) ); //参数3

        pSvrComm->SetItem( FID_P109, pDB->Get( 87 ) ); //参数109
        pSvrComm->SetItem( FID_P123, pDB->Get( 88 ) ); //参数123
        pSvrComm->SetItem( FID_P137, pDB->Get( 89 ) ); //参数137
        pSvrComm->SetItem( FID_P151, pDB->Get( 90 ) ); //参数151
        pSvrComm->SetItem( FID_P165, pDB->Get( 91 ) ); //参数165
        pSvrComm->SetItem( FID_P179, pDB->Get( 92 ) ); //参数179
        pSvrComm->SetItem( FID_P193, pDB->Get( 93 ) ); //参数193
        pSvrComm->SetItem( FID_P207, pDB->Get( 94 ) ); //参数207
        pSvrComm->SetItem( FID_P221, pDB->Get( 95 ) ); //参数221
        pSvrComm->SetItem( FID_P235, pDB->Get( 96 ) ); //参数235
        pSvrComm->SetItem( FID_P249, pDB->Get( 97 ) ); //参数249
        pSvrComm->SetItem( FID_P263, pDB->Get( 98 ) ); //参数263
        pSvrComm->SetItem( FID_P277, pDB->Get( 99 ) ); //参数277
        pSvrComm->SetItem( FID_P291, pDB->Get( 100 ) ); //参数291
        pSvrComm->SetItem( FID_P11,  pDB->Get( 101 ) ); //参数11
        pSvrComm->SetItem( FID_P25,  pDB->Get( 102 ) ); //参数25
        pSvrComm->SetItem( FID_P39,  pDB->Get( 103 ) ); //参数39
        pSvrComm->SetItem( FID_P53,  pDB->Get( 104 ) ); //参数53
        pSvrComm->SetItem( FID_P67,  pDB->Get( 105 ) ); //参数67
        pSvrComm->SetItem( FID_P81,  pDB->Get( 106 ) ); //参数81
        pSvrComm->SetItem( FID_P95,  pDB->Get( 107 ) ); //参数95
        pSvrComm->SetItem( FID_P103, pDB->Get( 108 ) ); //参数103
        pSvrComm->SetItem( FID_P117, pDB->Get( 109 ) ); //参数117
        pSvrComm->SetItem( FID_P131, pDB->Get( 110 ) ); //参数131
        pSvrComm->SetItem( FID_P145, pDB->Get( 111 ) ); //参数145
        pSvrComm->SetItem( FID_P159, pDB->Get( 112 ) ); //参数159
        pSvrComm->SetItem( FID_P173, pDB->Get( 113 ) ); //参数173
        pSvrComm->SetItem( FID_P187, pDB->Get( 114 ) ); //参数187
        pSvrComm->SetItem( FID_P201, pDB->Get( 115 ) ); //参数201
        pSvrComm->SetItem( FID_P215, pDB->Get( 116 ) ); //参数215
        pSvrComm->SetItem( FID_P229, pDB->Get( 117 ) ); //参数229
        pSvrComm->SetItem( FID_P243, pDB->Get( 118 ) ); //参数243
        pSvrComm->SetItem( FID_P257, pDB->Get( 119 ) ); //参数257
        pSvrComm->SetItem( FID_P271, pDB->Get( 120 ) ); //参数271
        pSvrComm->SetItem( FID_P285, pDB->Get( 121 ) ); //参数285
        pSvrComm->SetItem( FID_P299, pDB->Get( 122 ) ); //参数299
        pSvrComm->SetItem( FID_P19,  pDB->Get( 123 ) ); //参数19
        pSvrComm->SetItem( FID_P33,  pDB->Get( 124 ) ); //参数33
        pSvrComm->SetItem( FID_P47,  pDB->Get( 125 ) ); //参数47
        pSvrComm->SetItem( FID_P61,  pDB->Get( 126 ) ); //参数61
        pSvrComm->SetItem( FID_P75,  pDB->Get( 127 ) ); //参数75
        pSvrComm->SetItem( FID_P89,  pDB->Get( 128 ) ); //参数89
        pSvrComm->SetItem( FID_P5,   pDB->Get( 129 ) ); //参数5

        pSvrComm->SetItem( FID_P111, pDB->Get( 130 ) ); //参数111
        pSvrComm->SetItem( FID_P125, pDB->Get( 131 ) ); //参数125
        pSvrComm->SetItem( FID_P139, pDB->Get( 132 ) ); //参数139
        pSvrComm->SetItem( FID_P153, pDB->Get( 133 ) ); //参数153
        pSvrComm->SetItem( FID_P167, pDB->Get( 134 ) ); //参数167
        pSvrComm->SetItem( FID_P181, pDB->Get( 135 ) ); //参数181
        pSvrComm->SetItem( FID_P195, pDB->Get( 136 ) ); //参数195
        pSvrComm->SetItem( FID_P209, pDB->Get( 137 ) ); //参数209
        pSvrComm->SetItem( FID_P223, pDB->Get( 138 ) ); //参数223
        pSvrComm->SetItem( FID_P237, pDB->Get( 139 ) ); //参数237
        pSvrComm->SetItem( FID_P251, pDB->Get( 140 ) ); //参数251
        pSvrComm->SetItem( FID_P265, pDB->Get( 141 ) ); //参数265
        pSvrComm->SetItem( FID_P279, pDB->Get( 142 ) ); //参数279
        pSvrComm->SetItem( FID_P293, pDB->Get( 143 ) ); //参数293
        pSvrComm->SetItem( FID_P13,  pDB->Get( 144 ) ); //参数13
        pSvrComm->SetItem( FID_P27,  pDB->Get( 145 ) ); //参数27
        pSvrComm->SetItem( FID_P41,  pDB->Get( 146 ) ); //参数41
        pSvrComm->SetItem( FID_P55,  pDB->Get( 147 ) ); //参数55
        pSvrComm->SetItem( FID_P69,  pDB->Get( 148 ) ); //参数69
        pSvrComm->SetItem( FID_P83,  pDB->Get( 149 ) ); //参数83
        pSvrComm->SetItem( FID_P97,  pDB->Get( 150 ) ); //参数97

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
*函数名称：Long_Name 名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字
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
//LONG_NAME    5005    //名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字名字
long Long_Name( struct Service_Module* pModule )
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

    pSvrComm->CreateAnswerMul();
    while ( pDB->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX, pDB->Get( 1 ) ); //长

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


