/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：blsdef.h
*项目名称：
*摘要：    BLS定义c/c++编程用头文件。    
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

#if !defined(_BLSDEF_DEFINE_H)
#define _BLSDEF_DEFINE_H

#include "fiddef.h"  //信息元定义

#define  QUERY_USER       5101  //查询用户
#define  QUERY_USER_LIST  5102  //查询用户列表
#define  USER_QUERY       5103  //用户查询
#define  KH_XGZL          5104  //修改客户资料
#define  KH_APPLY         5105  //客户开户
#define  ZJ_TRANSFER      6101  //银证转账
#define  ZJ_QUERY         6102  //资金查询
#define  ZJ_DJ            6103  //资金冻结
#define  ZJ_HISTORY_List  6104  //资金流水查询
#define  WT_TRADE         7101  //委托买卖
#define  WT_WITHDRAW      7102  //委托撤单
#define  CJ_SEARCH        7103  //成交查询
#define  GD_QUERY         7104  //股东查询

#endif // !defined(_BLSDEF_DEFINE_H)
