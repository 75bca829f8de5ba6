/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.h
*项目名称：CHK 校验
*摘要：    FOS 头定义文件。    
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

#if !defined(AFX_PROCESS_H)
#define AFX_PROCESS_H

//GET_INFO    4001    //取信息
long GetUserInfo( struct Service_Module* pModule );

//VALIDATE_EX    6001    //校验示例
long Validate_Ex( struct Service_Module* pModule );

//TEXT_ITEMS    6002    //文本项
long Text_Items( struct Service_Module* pModule );

//ONE_PARAM    6003    //一个参数
long One_Param( struct Service_Module* pModule );

//GROUP_10    7001    //十行
long Group_10( struct Service_Module* pModule );

//GROUP_11    7002    //十一行
long Group_11( struct Service_Module* pModule );

//GROUP_12    7003    //十二行
long Group_12( struct Service_Module* pModule );

//GROUP_EARLY    7004    //早换
long Group_Early( struct Service_Module* pModule );


#endif // !defined(AFX_PROCESS_H)
