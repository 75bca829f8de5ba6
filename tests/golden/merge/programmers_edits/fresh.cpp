/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：M1 模块一
*摘要：    FOS 实现文件。    
*
*原作者：  dev
*创建日期：2026.12.06
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2026.12.06       v1.0.0.1            dev
*    创建。
*
**********************************************************************/

#include "stdafx.h"
#include "process.h"

#include <algorithm>
#include <string>

using namespace std;

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
*1.      2026.12.06       v1.0.0.1            dev
*
**********************************************************************/
//GET_USER    1001    //取用户
long Get_User( struct Service_Module* pModule )
{
    //取出全部请求变量
    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号
    string sFidXM  = pSvrComm->GetItem( FID_XM ); //姓名

    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL
    return 0;
}


/***********************************************************************
*函数名称：List_User 列用户
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2026.12.06       v1.0.0.1            dev
*
**********************************************************************/
//LIST_USER    1003    //列用户
long List_User( struct Service_Module* pModule )
{
    //取出全部请求变量

    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL
    return 0;
}


/***********************************************************************
*函数名称：Add_User 加用户
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2026.12.06       v1.0.0.1            dev
*
**********************************************************************/
//ADD_USER    1004    //加用户
long Add_User( struct Service_Module* pModule )
{
    //取出全部请求变量

    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL
    return 0;
}


