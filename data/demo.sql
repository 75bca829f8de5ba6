-- The demo configuration database of a securities back office: the rows
-- behind `fidforge-cli init-demo` and the default login. Runs after
-- schema.sql. Every table keeps a few NULLs, as real databases do.
--
-- What it holds, so every generator has something to show:
--   FOS modules 1 客户管理, 2 交易委托, 3 系统管理 and 9 历史查询 (no functions);
--   BLS modules 21 客户服务, 22 资金业务, 23 证券交易;
--   answer types 0 (with and without LIST/List), 1, 2, 3 and NULL;
--   transaction types 1, 2 (audited), 3, 4 and NULL;
--   codes with dots, a code stored with trailing blanks, explicit function
--   names (also blanks only), long request lists of several data types;
--   FIDs used but not defined, and FIDs defined but used nowhere.
--
-- `fidforge-cli lint` finds only what is here on purpose (README, "Lint"):
-- the undefined and unused FIDs above, and three parameters whose data
-- type differs from their FID's (FID_YYB of QUERY_USER, FID_WTRQ of the
-- FOS and the BLS order). FOS and BLS codes never share a name: fixdef.h
-- includes both headers, and a macro defined twice breaks the build.

------------------------------------------------------------------------
-- T151: FIDs (F1 number, F2 code, F3 name, F4 data type, F5 note)
------------------------------------------------------------------------

-- answer frame and audit flow
INSERT INTO T151 VALUES (1, 'FID_CODE', '返回码', 4, NULL);
INSERT INTO T151 VALUES (2, 'FID_MESSAGE', '返回信息', NULL, NULL);
INSERT INTO T151 VALUES (3, 'FID_LSH', '流水号', 4, NULL);
INSERT INTO T151 VALUES (4, 'FID_HTSH', '后台审核标志', 4, '0-提交,1-进入后台审核');
INSERT INTO T151 VALUES (5, 'FID_ZY', '摘要', 1, NULL);
INSERT INTO T151 VALUES (6, 'FID_MAXCOUNT', '最大记录数', 4, '单次应答的最多行数');
INSERT INTO T151 VALUES (7, 'FID_ITEMCOUNT', '记录条数', 4, NULL);

-- customers
INSERT INTO T151 VALUES (101, 'FID_KHH', '客户号', 1, NULL);
INSERT INTO T151 VALUES (102, 'FID_KHXM', '客户姓名', 1, NULL);
INSERT INTO T151 VALUES (103, 'FID_YYB', '营业部', 1, '营业部编码,4位');
INSERT INTO T151 VALUES (104, 'FID_KHYYB', '客户营业部', 1, NULL);
INSERT INTO T151 VALUES (105, 'FID_KHQZ', '客户群组', 1, NULL);
INSERT INTO T151 VALUES (106, 'FID_KHLB', '客户类别', 4, '0-个人,1-机构');
INSERT INTO T151 VALUES (107, 'FID_KHZT', '客户状态', 4, '0-正常,1-冻结,2-销户');
INSERT INTO T151 VALUES (108, 'FID_ZJLB', '证件类别', 4, NULL);
INSERT INTO T151 VALUES (109, 'FID_ZJBH', '证件编号', 1, NULL);
INSERT INTO T151 VALUES (110, 'FID_XB', '性别', 2, 'M-男,F-女');
INSERT INTO T151 VALUES (111, 'FID_CSRQ', '出生日期', 5, 'YYYYMMDD');
INSERT INTO T151 VALUES (112, 'FID_DH', '联系电话', 1, NULL);
INSERT INTO T151 VALUES (113, 'FID_SJ', '手机号码', 1, NULL);
INSERT INTO T151 VALUES (114, 'FID_DZ', '联系地址', 1, NULL);
INSERT INTO T151 VALUES (115, 'FID_ZIPCODE', '邮编', 1, NULL);
INSERT INTO T151 VALUES (116, 'FID_EMAIL', '电子邮件', 1, NULL);
INSERT INTO T151 VALUES (117, 'FID_FAX', '传真', 1, NULL);
INSERT INTO T151 VALUES (118, 'FID_KHRQ', '开户日期', 4, 'YYYYMMDD');
INSERT INTO T151 VALUES (119, 'FID_XHRQ', '销户日期', 4, 'YYYYMMDD');
INSERT INTO T151 VALUES (120, 'FID_JYMM', '交易密码', 1, '加密存放');
INSERT INTO T151 VALUES (121, 'FID_ZJMM', '资金密码', 1, '加密存放');
INSERT INTO T151 VALUES (122, 'FID_OLDMM', '原密码', 1, NULL);
INSERT INTO T151 VALUES (123, 'FID_NEWMM', '新密码', 1, NULL);
INSERT INTO T151 VALUES (124, 'FID_PHOTO', '照片', 7, '二进制数据');

-- funds
INSERT INTO T151 VALUES (201, 'FID_ZJZH', '资金账号', 1, NULL);
INSERT INTO T151 VALUES (202, 'FID_BZ', '币种', 1, 'RMB-人民币,USD-美元,HKD-港币');
INSERT INTO T151 VALUES (203, 'FID_JE', '金额', 6, NULL);
INSERT INTO T151 VALUES (204, 'FID_YE', '余额', 6, NULL);
INSERT INTO T151 VALUES (205, 'FID_KYZJ', '可用资金', 6, NULL);
INSERT INTO T151 VALUES (206, 'FID_DJJE', '冻结金额', 6, NULL);
INSERT INTO T151 VALUES (207, 'FID_ZZJE', '转账金额', 6, NULL);
INSERT INTO T151 VALUES (208, 'FID_LX', '利息', 6, '按日计提');
INSERT INTO T151 VALUES (209, 'FID_YHDM', '银行代码', 1, NULL);
INSERT INTO T151 VALUES (210, 'FID_ZZFX', '转账方向', 4, '1-银行转证券,2-证券转银行');
INSERT INTO T151 VALUES (211, 'FID_FSRQ', '发生日期', 4, NULL);
INSERT INTO T151 VALUES (212, 'FID_FSSJ', '发生时间', 1, 'HH:MM:SS');

-- securities trading
INSERT INTO T151 VALUES (301, 'FID_JYS', '交易所', 1, 'SH-上海,SZ-深圳');
INSERT INTO T151 VALUES (302, 'FID_GDDM', '股东代码', 1, NULL);
INSERT INTO T151 VALUES (303, 'FID_ZQDM', '证券代码', 1, NULL);
INSERT INTO T151 VALUES (304, 'FID_ZQMC', '证券名称', 1, NULL);
INSERT INTO T151 VALUES (305, 'FID_ZQLB', '证券类别', 1, NULL);
INSERT INTO T151 VALUES (306, 'FID_WTH', '委托号', 4, NULL);
INSERT INTO T151 VALUES (307, 'FID_WTLB', '委托类别', 4, '1-买入,2-卖出');
INSERT INTO T151 VALUES (308, 'FID_WTSL', '委托数量', 4, NULL);
INSERT INTO T151 VALUES (309, 'FID_WTJG', '委托价格', 6, NULL);
INSERT INTO T151 VALUES (310, 'FID_WTRQ', '委托日期', 4, NULL);
INSERT INTO T151 VALUES (311, 'FID_WTSJ', '委托时间', 1, NULL);
INSERT INTO T151 VALUES (312, 'FID_WTFS', '委托方式', 4, '1-柜台,2-电话,4-网上');
INSERT INTO T151 VALUES (313, 'FID_CJSL', '成交数量', 4, NULL);
INSERT INTO T151 VALUES (314, 'FID_CJJG', '成交价格', 6, NULL);
INSERT INTO T151 VALUES (315, 'FID_CJJE', '成交金额', 6, NULL);
INSERT INTO T151 VALUES (316, 'FID_CJBH', '成交编号', 1, NULL);
INSERT INTO T151 VALUES (317, 'FID_CDSL', '撤单数量', 4, NULL);
INSERT INTO T151 VALUES (318, 'FID_SBJG', '申报结果', 4, NULL);

-- audit of business requests
INSERT INTO T151 VALUES (401, 'FID_YWKM', '业务科目', 4, NULL);
INSERT INTO T151 VALUES (402, 'FID_YWSQH', '业务申请号', 4, NULL);
INSERT INTO T151 VALUES (403, 'FID_SQXQ', '申请详情', 3, '请求包原文');
INSERT INTO T151 VALUES (404, 'FID_CSID', '参数编号', 4, NULL);
INSERT INTO T151 VALUES (405, 'FID_ZLLB', '指令类别', 4, '0-业务申请,1-审核通过后提交');
INSERT INTO T151 VALUES (406, 'FID_SHXYM', '审核校验码', 1, NULL);
INSERT INTO T151 VALUES (407, 'FID_FHGY', '复核柜员', 1, NULL);
INSERT INTO T151 VALUES (408, 'FID_SHJS', '审核级数', 4, NULL);

-- system administration
INSERT INTO T151 VALUES (501, 'FID_CZY', '操作员', 1, NULL);
INSERT INTO T151 VALUES (502, 'FID_RQ', '日期', 4, 'YYYYMMDD');
INSERT INTO T151 VALUES (503, 'FID_LOGINID', '登录帐号', 1, NULL);
INSERT INTO T151 VALUES (504, 'FID_LOGINPWD', '登录密码', 1, NULL);
INSERT INTO T151 VALUES (505, 'FID_USERNAME', '用户名称', 1, NULL);
INSERT INTO T151 VALUES (506, 'FID_ORGCODE', '机构代码', 1, NULL);
INSERT INTO T151 VALUES (507, 'FID_MENUID', '菜单编号', 4, NULL);
INSERT INTO T151 VALUES (508, 'FID_FATHERID', '上级编号', 4, NULL);
INSERT INTO T151 VALUES (509, 'FID_UPDATETIME', '更新时间', 1, NULL);
INSERT INTO T151 VALUES (510, 'FID_LASTUPDATETIME', '最后更新时间', 1, NULL);
INSERT INTO T151 VALUES (511, 'FID_FILEPATH', '文件路径', 1, NULL);
INSERT INTO T151 VALUES (512, 'FID_UPLOADPATH', '上传路径', 1, NULL);
INSERT INTO T151 VALUES (513, 'FID_VERSION', '版本号', 1, NULL);
INSERT INTO T151 VALUES (514, 'FID_BEGINDATE', '开始日期', 4, NULL);
INSERT INTO T151 VALUES (515, 'FID_ENDDATE', '结束日期', 4, NULL);
INSERT INTO T151 VALUES (516, 'FID_NOTE', '备注', 1, '  ');
INSERT INTO T151 VALUES (517, 'FID_MESSAGENAME', '消息名称', 1, NULL);
INSERT INTO T151 VALUES (518, 'FID_TYPE', '类型', 4, NULL);
INSERT INTO T151 VALUES (519, 'FID_KEY', '参数键', 1, NULL);
INSERT INTO T151 VALUES (520, 'FID_DATABASE', '数据库名', 1, NULL);
INSERT INTO T151 VALUES (521, 'FID_PORT', '端口', 4, NULL);
INSERT INTO T151 VALUES (522, 'FID_COMPANY', '公司名称', 1, NULL);
INSERT INTO T151 VALUES (523, 'FID_MASK', '权限掩码', 0, '按位表示');
INSERT INTO T151 VALUES (524, 'FID_IPADDR', 'IP地址', 1, NULL);
INSERT INTO T151 VALUES (525, 'FID_GNDM', '功能代码', 4, NULL);

------------------------------------------------------------------------
-- T158: FOS modules (ID, F2 Chinese name, F3 name)
------------------------------------------------------------------------
INSERT INTO T158 VALUES (1, '客户管理', 'KHGL');
INSERT INTO T158 VALUES (2, '交易委托', 'JYWT');
INSERT INTO T158 VALUES (3, '系统管理', 'XTGL');
INSERT INTO T158 VALUES (9, '历史查询', 'LSCX');

------------------------------------------------------------------------
-- T164: BLS modules (ID, F2 number, F3 Chinese name, F4 name)
------------------------------------------------------------------------
INSERT INTO T164 VALUES (21, 2001, '客户服务', 'KHFW');
INSERT INTO T164 VALUES (22, 2002, '资金业务', 'ZJYW');
INSERT INTO T164 VALUES (23, 2003, '证券交易', 'ZQJY');

------------------------------------------------------------------------
-- FOS functions, T154 (ID, F18 number, F19 code, F22 name, F24 function
-- name, F26 module, F28 design, F32 note, F34 answer type), and their
-- parameters, T156 (ID, F2 FID number, F3 name, F4 1 request / 2 answer,
-- F5 mandatory, F7 data type, F13 function, F15 FID code)
------------------------------------------------------------------------

-- FOS module 1 客户管理 ------------------------------------------------

-- dotted code, single answer with answer parameters; the longest and the
-- shortest answer code differ by twelve bytes
INSERT INTO T154 VALUES (101, 1001, 'KH.QUERY', '查询客户信息', NULL, 1,
  '按客户号查询客户基本信息', '营业部柜台和网上交易共用', 0);
INSERT INTO T156 VALUES (1001, 101, '客户号', 1, 1, 1, 101, 'FID_KHH');
INSERT INTO T156 VALUES (1002, 201, '资金账号', 1, 0, 1, 101, 'FID_ZJZH');
INSERT INTO T156 VALUES (1003, 103, '营业部', 1, 2, 1, 101, 'FID_YYB');
INSERT INTO T156 VALUES (1004, 101, '客户号', 2, 0, 1, 101, 'FID_KHH');
INSERT INTO T156 VALUES (1005, 102, '客户姓名', 2, 0, 1, 101, 'FID_KHXM');
INSERT INTO T156 VALUES (1006, 202, '币种', 2, 0, 1, 101, 'FID_BZ');
INSERT INTO T156 VALUES (1007, 510, '最后更新时间', 2, 0, 1, 101, 'FID_LASTUPDATETIME');
INSERT INTO T156 VALUES (1008, 107, '客户状态', 2, 0, 4, 101, 'FID_KHZT');
INSERT INTO T156 VALUES (1009, 118, '开户日期', 2, 0, 4, 101, 'FID_KHRQ');
INSERT INTO T156 VALUES (1010, 204, '余额', 2, 0, 6, 101, 'FID_YE');

-- code stored with trailing blanks, stored procedure answer, a long
-- request list of five data types, one undefined FID (FID_KHJL)
INSERT INTO T154 VALUES (102, 1002, 'KH_OPEN  ', '客户开户', NULL, 1,
  '1. 校验证件类别和证件编号
2. 生成客户号和资金账号
3. 调用存储过程 P_KH_OPEN 登记客户资料', '开户成功后返回客户号和资金账号', 1);
INSERT INTO T156 VALUES (1011, 102, '客户姓名', 1, 1, 1, 102, 'FID_KHXM');
INSERT INTO T156 VALUES (1012, 109, '证件编号', 1, 1, 1, 102, 'FID_ZJBH');
INSERT INTO T156 VALUES (1013, 103, '营业部', 1, 1, 1, 102, 'FID_YYB');
INSERT INTO T156 VALUES (1014, 112, '联系电话', 1, 0, 1, 102, 'FID_DH');
INSERT INTO T156 VALUES (1015, 113, '手机号码', 1, 0, 1, 102, 'FID_SJ');
INSERT INTO T156 VALUES (1016, 114, '联系地址', 1, 0, 1, 102, 'FID_DZ');
INSERT INTO T156 VALUES (1017, 116, '电子邮件', 1, 2, 1, 102, 'FID_EMAIL');
INSERT INTO T156 VALUES (1018, 115, '邮编', 1, 0, 1, 102, 'FID_ZIPCODE');
INSERT INTO T156 VALUES (1019, 120, '交易密码', 1, 1, 1, 102, 'FID_JYMM');
INSERT INTO T156 VALUES (1020, 0, '客户经理', 1, 0, 1, 102, 'FID_KHJL');
INSERT INTO T156 VALUES (1021, 110, '性别', 1, 1, 2, 102, 'FID_XB');
INSERT INTO T156 VALUES (1022, 108, '证件类别', 1, 1, 4, 102, 'FID_ZJLB');
INSERT INTO T156 VALUES (1023, 106, '客户类别', 1, 0, 4, 102, 'FID_KHLB');
INSERT INTO T156 VALUES (1024, 111, '出生日期', 1, 0, 5, 102, 'FID_CSRQ');
INSERT INTO T156 VALUES (1025, 101, '客户号', 2, 0, 1, 102, 'FID_KHH');
INSERT INTO T156 VALUES (1026, 201, '资金账号', 2, 0, 1, 102, 'FID_ZJZH');

-- multi-row answer by LIST in the code (answer type 0), one undefined FID
INSERT INTO T154 VALUES (103, 1003, 'KH_LIST', '客户列表查询', NULL, 1,
  '按营业部分页列出客户', NULL, 0);
INSERT INTO T156 VALUES (1027, 103, '营业部', 1, 1, 1, 103, 'FID_YYB');
INSERT INTO T156 VALUES (1028, 0, '客户经理', 1, 0, 1, 103, 'FID_KHJL');
INSERT INTO T156 VALUES (1029, 106, '客户类别', 1, 0, 4, 103, 'FID_KHLB');
INSERT INTO T156 VALUES (1030, 107, '客户状态', 1, 0, 4, 103, 'FID_KHZT');
INSERT INTO T156 VALUES (1031, 6, '最大记录数', 1, 0, 4, 103, 'FID_MAXCOUNT');
INSERT INTO T156 VALUES (1032, 101, '客户号', 2, 0, 1, 103, 'FID_KHH');
INSERT INTO T156 VALUES (1033, 102, '客户姓名', 2, 0, 1, 103, 'FID_KHXM');
INSERT INTO T156 VALUES (1034, 109, '证件编号', 2, 0, 1, 103, 'FID_ZJBH');
INSERT INTO T156 VALUES (1035, 106, '客户类别', 2, 0, 4, 103, 'FID_KHLB');
INSERT INTO T156 VALUES (1036, 107, '客户状态', 2, 0, 4, 103, 'FID_KHZT');
INSERT INTO T156 VALUES (1037, 118, '开户日期', 2, 0, 4, 103, 'FID_KHRQ');

-- explicit function name, single answer without answer parameters;
-- the design text has CR LF line ends
INSERT INTO T154 VALUES (104, 1004, 'KH_MODIFY', '修改客户资料', 'ModifyCustInfo', 1,
  '只修改联系方式' || char(13) || char(10) || '证件信息不允许修改', NULL, 0);
INSERT INTO T156 VALUES (1038, 101, '客户号', 1, 1, 1, 104, 'FID_KHH');
INSERT INTO T156 VALUES (1039, 112, '联系电话', 1, 0, 1, 104, 'FID_DH');
INSERT INTO T156 VALUES (1040, 113, '手机号码', 1, 0, 1, 104, 'FID_SJ');
INSERT INTO T156 VALUES (1041, 114, '联系地址', 1, 0, 1, 104, 'FID_DZ');
INSERT INTO T156 VALUES (1042, 115, '邮编', 1, 0, 1, 104, 'FID_ZIPCODE');
INSERT INTO T156 VALUES (1043, 116, '电子邮件', 1, 0, 1, 104, 'FID_EMAIL');
INSERT INTO T156 VALUES (1044, 501, '操作员', 1, 1, 1, 104, 'FID_CZY');

-- explicit function name of blanks only (counts as none)
INSERT INTO T154 VALUES (105, 1005, 'KH_CLOSE', '客户销户', '   ', 1,
  '资金和持仓清零后才允许销户', '销户后客户号不再使用', 1);
INSERT INTO T156 VALUES (1045, 101, '客户号', 1, 1, 1, 105, 'FID_KHH');
INSERT INTO T156 VALUES (1046, 501, '操作员', 1, 1, 1, 105, 'FID_CZY');
INSERT INTO T156 VALUES (1047, 119, '销户日期', 1, 1, 4, 105, 'FID_XHRQ');
INSERT INTO T156 VALUES (1048, 3, '流水号', 2, 0, 4, 105, 'FID_LSH');

INSERT INTO T154 VALUES (106, 1006, 'KH_PWD_MODIFY', '修改密码', NULL, 1,
  NULL, '密码类型: 1-交易密码,2-资金密码', 0);
INSERT INTO T156 VALUES (1049, 101, '客户号', 1, 1, 1, 106, 'FID_KHH');
INSERT INTO T156 VALUES (1050, 122, '原密码', 1, 1, 1, 106, 'FID_OLDMM');
INSERT INTO T156 VALUES (1051, 123, '新密码', 1, 1, 1, 106, 'FID_NEWMM');
INSERT INTO T156 VALUES (1052, 518, '密码类型', 1, 1, 4, 106, 'FID_TYPE');
INSERT INTO T156 VALUES (1053, 509, '更新时间', 2, 0, 1, 106, 'FID_UPDATETIME');

-- FOS module 2 交易委托 ------------------------------------------------

-- answer type 3: single answer; twelve request parameters
INSERT INTO T154 VALUES (201, 2001, 'WT_ORDER', '委托下单', NULL, 2,
  '检查资金和持仓后向交易所申报
申报失败时解冻资金', NULL, 3);
INSERT INTO T156 VALUES (2001, 101, '客户号', 1, 1, 1, 201, 'FID_KHH');
INSERT INTO T156 VALUES (2002, 302, '股东代码', 1, 1, 1, 201, 'FID_GDDM');
INSERT INTO T156 VALUES (2003, 301, '交易所', 1, 1, 1, 201, 'FID_JYS');
INSERT INTO T156 VALUES (2004, 303, '证券代码', 1, 1, 1, 201, 'FID_ZQDM');
INSERT INTO T156 VALUES (2005, 201, '资金账号', 1, 0, 1, 201, 'FID_ZJZH');
INSERT INTO T156 VALUES (2006, 202, '币种', 1, 0, 1, 201, 'FID_BZ');
INSERT INTO T156 VALUES (2007, 501, '操作员', 1, 2, 1, 201, 'FID_CZY');
INSERT INTO T156 VALUES (2008, 307, '委托类别', 1, 1, 4, 201, 'FID_WTLB');
INSERT INTO T156 VALUES (2009, 308, '委托数量', 1, 1, 4, 201, 'FID_WTSL');
INSERT INTO T156 VALUES (2010, 312, '委托方式', 1, 0, 4, 201, 'FID_WTFS');
INSERT INTO T156 VALUES (2011, 310, '委托日期', 1, 0, 5, 201, 'FID_WTRQ');
INSERT INTO T156 VALUES (2012, 309, '委托价格', 1, 1, 6, 201, 'FID_WTJG');
INSERT INTO T156 VALUES (2013, 306, '委托号', 2, 0, 4, 201, 'FID_WTH');
INSERT INTO T156 VALUES (2014, 318, '申报结果', 2, 0, 4, 201, 'FID_SBJG');

INSERT INTO T154 VALUES (202, 2002, 'WT_CANCEL', '委托撤单', NULL, 2,
  '未成交部分撤单', NULL, 0);
INSERT INTO T156 VALUES (2015, 101, '客户号', 1, 1, 1, 202, 'FID_KHH');
INSERT INTO T156 VALUES (2016, 301, '交易所', 1, 1, 1, 202, 'FID_JYS');
INSERT INTO T156 VALUES (2017, 306, '委托号', 1, 1, 4, 202, 'FID_WTH');
INSERT INTO T156 VALUES (2018, 317, '撤单数量', 2, 0, 4, 202, 'FID_CDSL');

-- multi-row answer by "List" in the code; one undefined FID (FID_TJRQ)
INSERT INTO T154 VALUES (203, 2003, 'WT_QueryList', '当日委托查询', NULL, 2,
  NULL, '按委托号倒序', 0);
INSERT INTO T156 VALUES (2019, 101, '客户号', 1, 1, 1, 203, 'FID_KHH');
INSERT INTO T156 VALUES (2020, 302, '股东代码', 1, 0, 1, 203, 'FID_GDDM');
INSERT INTO T156 VALUES (2021, 303, '证券代码', 1, 0, 1, 203, 'FID_ZQDM');
INSERT INTO T156 VALUES (2022, 310, '委托日期', 1, 0, 4, 203, 'FID_WTRQ');
INSERT INTO T156 VALUES (2023, 0, '统计日期', 1, 0, 4, 203, 'FID_TJRQ');
INSERT INTO T156 VALUES (2024, 303, '证券代码', 2, 0, 1, 203, 'FID_ZQDM');
INSERT INTO T156 VALUES (2025, 304, '证券名称', 2, 0, 1, 203, 'FID_ZQMC');
INSERT INTO T156 VALUES (2026, 305, '证券类别', 2, 0, 1, 203, 'FID_ZQLB');
INSERT INTO T156 VALUES (2027, 311, '委托时间', 2, 0, 1, 203, 'FID_WTSJ');
INSERT INTO T156 VALUES (2028, 306, '委托号', 2, 0, 4, 203, 'FID_WTH');
INSERT INTO T156 VALUES (2029, 307, '委托类别', 2, 0, 4, 203, 'FID_WTLB');
INSERT INTO T156 VALUES (2030, 308, '委托数量', 2, 0, 4, 203, 'FID_WTSL');
INSERT INTO T156 VALUES (2031, 313, '成交数量', 2, 0, 4, 203, 'FID_CJSL');
INSERT INTO T156 VALUES (2032, 309, '委托价格', 2, 0, 6, 203, 'FID_WTJG');

-- answer type 2: multi-row whatever the code
INSERT INTO T154 VALUES (204, 2004, 'CJ_QUERY', '成交查询', NULL, 2,
  '查询指定日期区间的成交', NULL, 2);
INSERT INTO T156 VALUES (2033, 101, '客户号', 1, 1, 1, 204, 'FID_KHH');
INSERT INTO T156 VALUES (2034, 514, '开始日期', 1, 1, 4, 204, 'FID_BEGINDATE');
INSERT INTO T156 VALUES (2035, 515, '结束日期', 1, 1, 4, 204, 'FID_ENDDATE');
INSERT INTO T156 VALUES (2036, 316, '成交编号', 2, 0, 1, 204, 'FID_CJBH');
INSERT INTO T156 VALUES (2037, 303, '证券代码', 2, 0, 1, 204, 'FID_ZQDM');
INSERT INTO T156 VALUES (2038, 304, '证券名称', 2, 0, 1, 204, 'FID_ZQMC');
INSERT INTO T156 VALUES (2039, 313, '成交数量', 2, 0, 4, 204, 'FID_CJSL');
INSERT INTO T156 VALUES (2040, 314, '成交价格', 2, 0, 6, 204, 'FID_CJJG');
INSERT INTO T156 VALUES (2041, 315, '成交金额', 2, 0, 6, 204, 'FID_CJJE');

-- LIST in the code but answer type 1: the stored procedure answer
INSERT INTO T154 VALUES (205, 2005, 'WT_LIST_SUM', '委托汇总统计', NULL, 2,
  '调用存储过程 P_WT_SUM', '日终使用', 1);
INSERT INTO T156 VALUES (2042, 103, '营业部', 1, 1, 1, 205, 'FID_YYB');
INSERT INTO T156 VALUES (2043, 502, '日期', 1, 1, 4, 205, 'FID_RQ');
INSERT INTO T156 VALUES (2044, 7, '记录条数', 2, 0, 4, 205, 'FID_ITEMCOUNT');
INSERT INTO T156 VALUES (2045, 203, '金额', 2, 0, 6, 205, 'FID_JE');

-- FOS module 3 系统管理 ------------------------------------------------

-- code with two dots, explicit function name
INSERT INTO T154 VALUES (301, 3001, 'SYS.USER.LOGIN', '操作员登录', 'UserLogin', 3,
  '校验登录帐号和密码，记录登录IP', NULL, 0);
INSERT INTO T156 VALUES (3001, 503, '登录帐号', 1, 1, 1, 301, 'FID_LOGINID');
INSERT INTO T156 VALUES (3002, 504, '登录密码', 1, 1, 1, 301, 'FID_LOGINPWD');
INSERT INTO T156 VALUES (3003, 524, 'IP地址', 1, 0, 1, 301, 'FID_IPADDR');
INSERT INTO T156 VALUES (3004, 513, '版本号', 1, 0, 1, 301, 'FID_VERSION');
INSERT INTO T156 VALUES (3005, 505, '用户名称', 2, 0, 1, 301, 'FID_USERNAME');
INSERT INTO T156 VALUES (3006, 506, '机构代码', 2, 0, 1, 301, 'FID_ORGCODE');
INSERT INTO T156 VALUES (3007, 501, '操作员', 2, 0, 1, 301, 'FID_CZY');
INSERT INTO T156 VALUES (3008, 517, '消息名称', 2, 0, 1, 301, 'FID_MESSAGENAME');

-- answer type 2; answer codes full of words that get mixed case
INSERT INTO T154 VALUES (302, 3002, 'SYS_PARAM_QUERY', '系统参数查询', NULL, 3,
  '读取系统参数表', '参数键为空时返回全部参数', 2);
INSERT INTO T156 VALUES (3009, 519, '参数键', 1, 0, 1, 302, 'FID_KEY');
INSERT INTO T156 VALUES (3010, 518, '参数类型', 1, 0, 4, 302, 'FID_TYPE');
INSERT INTO T156 VALUES (3011, 519, '参数键', 2, 0, 1, 302, 'FID_KEY');
INSERT INTO T156 VALUES (3012, 516, '备注', 2, 0, 1, 302, 'FID_NOTE');
INSERT INTO T156 VALUES (3013, 511, '文件路径', 2, 0, 1, 302, 'FID_FILEPATH');
INSERT INTO T156 VALUES (3014, 512, '上传路径', 2, 0, 1, 302, 'FID_UPLOADPATH');
INSERT INTO T156 VALUES (3015, 509, '更新时间', 2, 0, 1, 302, 'FID_UPDATETIME');
INSERT INTO T156 VALUES (3016, 513, '版本号', 2, 0, 1, 302, 'FID_VERSION');
INSERT INTO T156 VALUES (3017, 522, '公司名称', 2, 0, 1, 302, 'FID_COMPANY');
INSERT INTO T156 VALUES (3018, 520, '数据库名', 2, 0, 1, 302, 'FID_DATABASE');
INSERT INTO T156 VALUES (3019, 518, '参数类型', 2, 0, 4, 302, 'FID_TYPE');
INSERT INTO T156 VALUES (3020, 521, '端口', 2, 0, 4, 302, 'FID_PORT');

-- lower-case "list" does not make a multi-row answer; data type 0
INSERT INTO T154 VALUES (303, 3003, 'SYS_MENU_list', '菜单查询', NULL, 3,
  '按操作员权限返回菜单', NULL, 0);
INSERT INTO T156 VALUES (3021, 501, '操作员', 1, 1, 1, 303, 'FID_CZY');
INSERT INTO T156 VALUES (3022, 508, '上级编号', 1, 0, 4, 303, 'FID_FATHERID');
INSERT INTO T156 VALUES (3023, 523, '权限掩码', 2, 0, 0, 303, 'FID_MASK');
INSERT INTO T156 VALUES (3024, 507, '菜单编号', 2, 0, 4, 303, 'FID_MENUID');
INSERT INTO T156 VALUES (3025, 508, '上级编号', 2, 0, 4, 303, 'FID_FATHERID');
INSERT INTO T156 VALUES (3026, 525, '功能代码', 2, 0, 4, 303, 'FID_GNDM');

-- answer type, design and note all NULL
INSERT INTO T154 VALUES (304, 3004, 'SYS_NOTE_ADD', '新增公告', NULL, 3,
  NULL, NULL, NULL);
INSERT INTO T156 VALUES (3027, 516, '公告内容', 1, 1, 1, 304, 'FID_NOTE');
INSERT INTO T156 VALUES (3028, 501, '操作员', 1, 1, 1, 304, 'FID_CZY');
INSERT INTO T156 VALUES (3029, 514, '开始日期', 1, 1, 4, 304, 'FID_BEGINDATE');
INSERT INTO T156 VALUES (3030, 515, '结束日期', 1, 1, 4, 304, 'FID_ENDDATE');

-- FOS module 9 历史查询 holds no functions yet.

------------------------------------------------------------------------
-- BLS functions, T161 (ID, F1 number, F2 code, F3 name, F4 function name,
-- F5 transaction type, F7 module, F8 design, F12 note, F14 answer type),
-- and their parameters, T162 (ID, F1 function, F2 FID code, F3 name,
-- F4 1 request / 2 answer, F5 mandatory, F6 value range, F7 data type,
-- F8 precision, F9 decimals, F10 note, F11 test default value)
------------------------------------------------------------------------

-- BLS module 21 客户服务 -----------------------------------------------

-- transaction type 1, answer type 1: single answer
INSERT INTO T161 VALUES (501, 5101, 'QUERY_USER', '查询用户', NULL, 1, 21,
  '转发到客户中心查询', NULL, 1);
INSERT INTO T162 VALUES (5001, 501, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5002, 501, 'FID_KHH', '客户号', 1, 0, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5003, 501, 'FID_YYB', '营业部', 1, 1, NULL, 4, 4, 0, NULL, '1');
INSERT INTO T162 VALUES (5004, 501, 'FID_JE', '金额', 1, 0, NULL, 6, 16, 2, NULL, NULL);
INSERT INTO T162 VALUES (5005, 501, 'FID_KHXM', '客户姓名', 2, 0, NULL, 1, 30, 0, NULL, NULL);
INSERT INTO T162 VALUES (5006, 501, 'FID_YE', '余额', 2, 0, NULL, 6, 16, 2, NULL, NULL);

-- answer type 0 with LIST: multi-row
INSERT INTO T161 VALUES (502, 5102, 'QUERY_USER_LIST', '查询用户列表', NULL, 1, 21,
  '转发到客户中心分页查询', '每页最多100行', 0);
INSERT INTO T162 VALUES (5007, 502, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5008, 502, 'FID_KHH', '客户号', 1, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5009, 502, 'FID_KHXM', '客户姓名', 2, 0, NULL, 1, 30, 0, NULL, NULL);
INSERT INTO T162 VALUES (5010, 502, 'FID_YE', '余额', 2, 0, NULL, 6, 16, 2, NULL, NULL);

-- dotted code, transaction type 3 (forward left commented out), one
-- undefined FID (FID_ZJZH_UPDATE)
INSERT INTO T161 VALUES (503, 5103, 'USER.QUERY', '用户查询', NULL, 3, 21,
  '本地缓存查询，不转发', NULL, 0);
INSERT INTO T162 VALUES (5011, 503, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5012, 503, 'FID_ZJZH_UPDATE', '资金账号更新标志', 1, 0, '0-否,1-是', 4, 1, 0, '缓存失效时置1', '0');
INSERT INTO T162 VALUES (5013, 503, 'FID_KHXM', '客户姓名', 2, 0, NULL, 1, 30, 0, NULL, NULL);
INSERT INTO T162 VALUES (5014, 503, 'FID_KHZT', '客户状态', 2, 0, '0-正常,1-冻结,2-销户', 4, 1, 0, NULL, NULL);

-- audited (transaction type 2), explicit name beginning with "Fun"
INSERT INTO T161 VALUES (504, 5104, 'KH_XGZL', '修改客户资料', 'Fun_ModifyCust', 2, 21,
  '柜台申请，后台复核通过后提交', '需复核柜员', 0);
INSERT INTO T162 VALUES (5015, 504, 'FID_ZLLB', '指令类别', 1, 1, '0-业务申请,1-审核通过后提交', 4, 1, 0, NULL, '0');
INSERT INTO T162 VALUES (5016, 504, 'FID_SHXYM', '审核校验码', 1, 0, NULL, 1, 32, 0, '指令类别为1时必送', NULL);
INSERT INTO T162 VALUES (5017, 504, 'FID_YWSQH', '业务申请号', 1, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5018, 504, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5019, 504, 'FID_KHYYB', '客户营业部', 1, 1, NULL, 1, 4, 0, NULL, '0001');
INSERT INTO T162 VALUES (5020, 504, 'FID_KHQZ', '客户群组', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5021, 504, 'FID_FHGY', '复核柜员', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5022, 504, 'FID_DH', '联系电话', 1, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5023, 504, 'FID_DZ', '联系地址', 1, 0, NULL, 1, 120, 0, NULL, NULL);
INSERT INTO T162 VALUES (5024, 504, 'FID_ZY', '摘要', 1, 0, NULL, 1, 60, 0, NULL, NULL);
INSERT INTO T162 VALUES (5025, 504, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5026, 504, 'FID_HTSH', '后台审核标志', 2, 0, '0-提交,1-进入后台审核', 4, 1, 0, NULL, NULL);

-- audited with answer type 2 (neither loop nor end of answer); eighteen
-- request parameters of data types 1, 2, 3, 4 and 5
INSERT INTO T161 VALUES (505, 5105, 'KH_APPLY', '客户开户', 'OpenAccount', 2, 21,
  '1. 柜台录入开户资料
2. 后台审核
3. 审核通过后提交客户中心开户', NULL, 2);
INSERT INTO T162 VALUES (5027, 505, 'FID_ZLLB', '指令类别', 1, 1, '0-业务申请,1-审核通过后提交', 4, 1, 0, NULL, '0');
INSERT INTO T162 VALUES (5028, 505, 'FID_SHXYM', '审核校验码', 1, 0, NULL, 1, 32, 0, NULL, NULL);
INSERT INTO T162 VALUES (5029, 505, 'FID_YWSQH', '业务申请号', 1, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5030, 505, 'FID_KHH', '客户号', 1, 0, NULL, 1, 20, 0, '预分配客户号', NULL);
INSERT INTO T162 VALUES (5031, 505, 'FID_KHYYB', '客户营业部', 1, 1, NULL, 1, 4, 0, NULL, '0001');
INSERT INTO T162 VALUES (5032, 505, 'FID_KHQZ', '客户群组', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5033, 505, 'FID_FHGY', '复核柜员', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5034, 505, 'FID_KHXM', '客户姓名', 1, 1, NULL, 1, 30, 0, NULL, '张三');
INSERT INTO T162 VALUES (5035, 505, 'FID_ZJBH', '证件编号', 1, 1, NULL, 1, 30, 0, NULL, '110101199001011234');
INSERT INTO T162 VALUES (5036, 505, 'FID_DH', '联系电话', 1, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5037, 505, 'FID_ZIPCODE', '邮编', 1, 0, NULL, 1, 6, 0, NULL, '100000');
INSERT INTO T162 VALUES (5038, 505, 'FID_EMAIL', '电子邮件', 1, 0, NULL, 1, 60, 0, NULL, NULL);
INSERT INTO T162 VALUES (5039, 505, 'FID_JYMM', '交易密码', 1, 1, NULL, 1, 32, 0, '密文', NULL);
INSERT INTO T162 VALUES (5040, 505, 'FID_ZJMM', '资金密码', 1, 1, NULL, 1, 32, 0, '密文', NULL);
INSERT INTO T162 VALUES (5041, 505, 'FID_XB', '性别', 1, 1, 'M-男,F-女', 2, 1, 0, NULL, 'M');
INSERT INTO T162 VALUES (5042, 505, 'FID_SQXQ', '申请详情', 1, 1, NULL, 3, 2048, 0, '请求包原文', NULL);
INSERT INTO T162 VALUES (5043, 505, 'FID_ZJLB', '证件类别', 1, 1, '0-身份证,1-护照,2-军官证', 4, 2, 0, NULL, '0');
INSERT INTO T162 VALUES (5044, 505, 'FID_KHLB', '客户类别', 1, 0, '0-个人,1-机构', 4, 1, 0, NULL, '0');
INSERT INTO T162 VALUES (5045, 505, 'FID_CSRQ', '出生日期', 1, 0, NULL, 5, 8, 0, 'YYYYMMDD', '19900101');
INSERT INTO T162 VALUES (5046, 505, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5047, 505, 'FID_HTSH', '后台审核标志', 2, 0, NULL, 4, 1, 0, NULL, NULL);

-- BLS module 22 资金业务 -----------------------------------------------

-- audited bank transfer; one undefined FID (FID_YHZH)
INSERT INTO T161 VALUES (601, 6101, 'ZJ_TRANSFER', '银证转账', NULL, 2, 22,
  '转账申请需后台审核
审核通过后提交银行', NULL, 1);
INSERT INTO T162 VALUES (5048, 601, 'FID_ZLLB', '指令类别', 1, 1, '0-业务申请,1-审核通过后提交', 4, 1, 0, NULL, '0');
INSERT INTO T162 VALUES (5049, 601, 'FID_SHXYM', '审核校验码', 1, 0, NULL, 1, 32, 0, NULL, NULL);
INSERT INTO T162 VALUES (5050, 601, 'FID_YWSQH', '业务申请号', 1, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5051, 601, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5052, 601, 'FID_KHYYB', '客户营业部', 1, 1, NULL, 1, 4, 0, NULL, '0001');
INSERT INTO T162 VALUES (5053, 601, 'FID_KHQZ', '客户群组', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5054, 601, 'FID_FHGY', '复核柜员', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5055, 601, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5056, 601, 'FID_YHDM', '银行代码', 1, 1, NULL, 1, 4, 0, NULL, 'ICBC');
INSERT INTO T162 VALUES (5057, 601, 'FID_YHZH', '银行账号', 1, 1, NULL, 1, 30, 0, NULL, NULL);
INSERT INTO T162 VALUES (5058, 601, 'FID_BZ', '币种', 1, 1, 'RMB,USD,HKD', 1, 3, 0, NULL, 'RMB');
INSERT INTO T162 VALUES (5059, 601, 'FID_ZJMM', '资金密码', 1, 1, NULL, 1, 32, 0, '密文', NULL);
INSERT INTO T162 VALUES (5060, 601, 'FID_ZZFX', '转账方向', 1, 1, '1-银行转证券,2-证券转银行', 4, 1, 0, NULL, '1');
INSERT INTO T162 VALUES (5061, 601, 'FID_ZZJE', '转账金额', 1, 1, '>0', 6, 16, 2, NULL, '100.00');
INSERT INTO T162 VALUES (5062, 601, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5063, 601, 'FID_HTSH', '后台审核标志', 2, 0, NULL, 4, 1, 0, NULL, NULL);

-- answer type 0 without LIST: the BLS single answer
INSERT INTO T161 VALUES (602, 6102, 'ZJ_QUERY', '资金查询', NULL, 1, 22,
  '转发到资金中心', '币种为空时返回全部币种', 0);
INSERT INTO T162 VALUES (5064, 602, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5065, 602, 'FID_KHH', '客户号', 1, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5066, 602, 'FID_BZ', '币种', 1, 0, 'RMB,USD,HKD', 1, 3, 0, NULL, 'RMB');
INSERT INTO T162 VALUES (5067, 602, 'FID_ZJZH', '资金账号', 2, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5068, 602, 'FID_BZ', '币种', 2, 0, NULL, 1, 3, 0, NULL, NULL);
INSERT INTO T162 VALUES (5069, 602, 'FID_YE', '余额', 2, 0, NULL, 6, 16, 2, NULL, NULL);
INSERT INTO T162 VALUES (5070, 602, 'FID_KYZJ', '可用资金', 2, 0, NULL, 6, 16, 2, NULL, NULL);
INSERT INTO T162 VALUES (5071, 602, 'FID_DJJE', '冻结金额', 2, 0, NULL, 6, 16, 2, NULL, NULL);
INSERT INTO T162 VALUES (5072, 602, 'FID_LX', '利息', 2, 0, NULL, 6, 16, 4, '按日计提', NULL);

-- transaction type and answer type NULL (read as 1 and 0)
INSERT INTO T161 VALUES (603, 6103, 'ZJ_DJ', '资金冻结', NULL, NULL, 22,
  NULL, NULL, NULL);
INSERT INTO T162 VALUES (5073, 603, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5074, 603, 'FID_BZ', '币种', 1, 1, NULL, 1, 3, 0, NULL, 'RMB');
INSERT INTO T162 VALUES (5075, 603, 'FID_ZY', '摘要', 1, 0, NULL, 1, 60, 0, NULL, NULL);
INSERT INTO T162 VALUES (5076, 603, 'FID_CZY', '操作员', 1, 1, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5077, 603, 'FID_JE', '冻结金额', 1, 1, '>0', 6, 16, 2, NULL, '100.00');
INSERT INTO T162 VALUES (5078, 603, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);

-- "List" in the code, transaction type 3; twelve answer parameters:
-- eight strings, then four longs
INSERT INTO T161 VALUES (604, 6104, 'ZJ_HISTORY_List', '资金流水查询', NULL, 3, 22,
  '查询历史库', NULL, 0);
INSERT INTO T162 VALUES (5079, 604, 'FID_ZJZH', '资金账号', 1, 1, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5080, 604, 'FID_BZ', '币种', 1, 0, NULL, 1, 3, 0, NULL, NULL);
INSERT INTO T162 VALUES (5081, 604, 'FID_BEGINDATE', '开始日期', 1, 1, NULL, 4, 8, 0, NULL, '20240101');
INSERT INTO T162 VALUES (5082, 604, 'FID_ENDDATE', '结束日期', 1, 1, NULL, 4, 8, 0, NULL, '20241231');
INSERT INTO T162 VALUES (5083, 604, 'FID_ZJZH', '资金账号', 2, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5084, 604, 'FID_BZ', '币种', 2, 0, NULL, 1, 3, 0, NULL, NULL);
INSERT INTO T162 VALUES (5085, 604, 'FID_ZY', '摘要', 2, 0, NULL, 1, 60, 0, NULL, NULL);
INSERT INTO T162 VALUES (5086, 604, 'FID_CZY', '操作员', 2, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5087, 604, 'FID_FSSJ', '发生时间', 2, 0, NULL, 1, 8, 0, NULL, NULL);
INSERT INTO T162 VALUES (5088, 604, 'FID_KHH', '客户号', 2, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5089, 604, 'FID_YYB', '营业部', 2, 0, NULL, 1, 4, 0, NULL, NULL);
INSERT INTO T162 VALUES (5090, 604, 'FID_FHGY', '复核柜员', 2, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5091, 604, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5092, 604, 'FID_FSRQ', '发生日期', 2, 0, NULL, 4, 8, 0, NULL, NULL);
INSERT INTO T162 VALUES (5093, 604, 'FID_YWKM', '业务科目', 2, 0, NULL, 4, 6, 0, NULL, NULL);
INSERT INTO T162 VALUES (5094, 604, 'FID_ZZFX', '转账方向', 2, 0, NULL, 4, 1, 0, NULL, NULL);

-- BLS module 23 证券交易 -----------------------------------------------

-- transaction type 1, thirteen request parameters
INSERT INTO T161 VALUES (701, 7101, 'WT_TRADE', '委托买卖', NULL, 1, 23,
  '转发到交易网关', '价格为0表示市价委托', 1);
INSERT INTO T162 VALUES (5095, 701, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5096, 701, 'FID_GDDM', '股东代码', 1, 1, NULL, 1, 10, 0, NULL, 'A123456789');
INSERT INTO T162 VALUES (5097, 701, 'FID_JYS', '交易所', 1, 1, 'SH,SZ', 1, 2, 0, NULL, 'SH');
INSERT INTO T162 VALUES (5098, 701, 'FID_ZQDM', '证券代码', 1, 1, NULL, 1, 6, 0, NULL, '600000');
INSERT INTO T162 VALUES (5099, 701, 'FID_ZJZH', '资金账号', 1, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5100, 701, 'FID_BZ', '币种', 1, 0, NULL, 1, 3, 0, NULL, 'RMB');
INSERT INTO T162 VALUES (5101, 701, 'FID_JYMM', '交易密码', 1, 1, NULL, 1, 32, 0, '密文', NULL);
INSERT INTO T162 VALUES (5102, 701, 'FID_WTSJ', '委托时间', 1, 0, NULL, 1, 8, 0, NULL, NULL);
INSERT INTO T162 VALUES (5103, 701, 'FID_WTLB', '委托类别', 1, 1, '1-买入,2-卖出', 4, 1, 0, NULL, '1');
INSERT INTO T162 VALUES (5104, 701, 'FID_WTSL', '委托数量', 1, 1, '>0', 4, 10, 0, NULL, '100');
INSERT INTO T162 VALUES (5105, 701, 'FID_WTFS', '委托方式', 1, 2, NULL, 4, 1, 0, NULL, '1');
INSERT INTO T162 VALUES (5106, 701, 'FID_WTRQ', '委托日期', 1, 0, NULL, 5, 8, 0, NULL, NULL);
INSERT INTO T162 VALUES (5107, 701, 'FID_WTJG', '委托价格', 1, 1, '>=0', 6, 9, 3, NULL, '10.000');
INSERT INTO T162 VALUES (5108, 701, 'FID_WTH', '委托号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5109, 701, 'FID_SBJG', '申报结果', 2, 0, NULL, 4, 2, 0, NULL, NULL);

-- audited cancel
INSERT INTO T161 VALUES (702, 7102, 'WT_WITHDRAW', '委托撤单', NULL, 2, 23,
  '大额委托撤单需复核', NULL, 1);
INSERT INTO T162 VALUES (5110, 702, 'FID_ZLLB', '指令类别', 1, 1, '0-业务申请,1-审核通过后提交', 4, 1, 0, NULL, '0');
INSERT INTO T162 VALUES (5111, 702, 'FID_SHXYM', '审核校验码', 1, 0, NULL, 1, 32, 0, NULL, NULL);
INSERT INTO T162 VALUES (5112, 702, 'FID_YWSQH', '业务申请号', 1, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5113, 702, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5114, 702, 'FID_KHYYB', '客户营业部', 1, 1, NULL, 1, 4, 0, NULL, '0001');
INSERT INTO T162 VALUES (5115, 702, 'FID_KHQZ', '客户群组', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5116, 702, 'FID_FHGY', '复核柜员', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5117, 702, 'FID_JYS', '交易所', 1, 1, 'SH,SZ', 1, 2, 0, NULL, 'SH');
INSERT INTO T162 VALUES (5118, 702, 'FID_WTH', '委托号', 1, 1, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5119, 702, 'FID_CDSL', '撤单数量', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5120, 702, 'FID_LSH', '流水号', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5121, 702, 'FID_HTSH', '后台审核标志', 2, 0, NULL, 4, 1, 0, NULL, NULL);

-- answer type 2: multi-row
INSERT INTO T161 VALUES (703, 7103, 'CJ_SEARCH', '成交查询', NULL, 1, 23,
  '转发到交易网关', NULL, 2);
INSERT INTO T162 VALUES (5122, 703, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5123, 703, 'FID_GDDM', '股东代码', 1, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5124, 703, 'FID_JYS', '交易所', 1, 0, 'SH,SZ', 1, 2, 0, NULL, NULL);
INSERT INTO T162 VALUES (5125, 703, 'FID_ZQDM', '证券代码', 1, 0, NULL, 1, 6, 0, NULL, NULL);
INSERT INTO T162 VALUES (5126, 703, 'FID_RQ', '日期', 1, 0, NULL, 4, 8, 0, '为空时查当日', NULL);
INSERT INTO T162 VALUES (5127, 703, 'FID_CJBH', '成交编号', 2, 0, NULL, 1, 16, 0, NULL, NULL);
INSERT INTO T162 VALUES (5128, 703, 'FID_ZQDM', '证券代码', 2, 0, NULL, 1, 6, 0, NULL, NULL);
INSERT INTO T162 VALUES (5129, 703, 'FID_ZQMC', '证券名称', 2, 0, NULL, 1, 20, 0, NULL, NULL);
INSERT INTO T162 VALUES (5130, 703, 'FID_GDDM', '股东代码', 2, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5131, 703, 'FID_CJSL', '成交数量', 2, 0, NULL, 4, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5132, 703, 'FID_CJJG', '成交价格', 2, 0, NULL, 6, 9, 3, NULL, NULL);
INSERT INTO T162 VALUES (5133, 703, 'FID_CJJE', '成交金额', 2, 0, NULL, 6, 16, 2, NULL, NULL);

-- transaction type 4, answer type 3; explicit name beginning with
-- "Function" (gets no second prefix)
INSERT INTO T161 VALUES (704, 7104, 'GD_QUERY', '股东查询', 'Function_QueryHolder', 4, 23,
  '查询客户在各交易所的股东代码', NULL, 3);
INSERT INTO T162 VALUES (5134, 704, 'FID_KHH', '客户号', 1, 1, NULL, 1, 20, 0, NULL, '10000001');
INSERT INTO T162 VALUES (5135, 704, 'FID_JYS', '交易所', 1, 0, 'SH,SZ', 1, 2, 0, NULL, NULL);
INSERT INTO T162 VALUES (5136, 704, 'FID_GDDM', '股东代码', 2, 0, NULL, 1, 10, 0, NULL, NULL);
INSERT INTO T162 VALUES (5137, 704, 'FID_JYS', '交易所', 2, 0, NULL, 1, 2, 0, NULL, NULL);
INSERT INTO T162 VALUES (5138, 704, 'FID_KHZT', '客户状态', 2, 0, NULL, 4, 1, 0, NULL, NULL);

------------------------------------------------------------------------
-- T471: error categories (ID, NAME, GRADE, FID, TYPE); sysdef.h takes
-- GRADE 2, FID 2, TYPE 0 only
------------------------------------------------------------------------
INSERT INTO T471 VALUES (1, '系统错误', 2, 2, 0);
INSERT INTO T471 VALUES (2, ' 数据库错误 ', 2, 2, 0);
INSERT INTO T471 VALUES (3, '业务错误', 2, 2, 0);
INSERT INTO T471 VALUES (4, '交易网关错误', 2, 2, 0);
INSERT INTO T471 VALUES (5, '客户端提示', 1, 2, 0);
INSERT INTO T471 VALUES (6, '审核流程错误', 2, 1, 0);
INSERT INTO T471 VALUES (7, '警告信息', 2, 2, 1);

------------------------------------------------------------------------
-- T470: error codes (ID, F1 value, F2 code name, F3 message, F6 message
-- name, F8 category, F10 value kind: 6 number, others text)
------------------------------------------------------------------------

-- 系统错误
INSERT INTO T470 VALUES (1, '1', 'ERR_INPUTPARAM', '输入参数有误', 'ERRSTR_INPUTPARAM', 1, 6);
INSERT INTO T470 VALUES (2, '2', 'ERR_GETCLIENTFAIL', '申请上级服务连接失败', 'ERRSTR_GETCLIENTFAIL', 1, 6);
INSERT INTO T470 VALUES (3, '3', 'ERR_GETDBLINKFAIL', '申请数据库连接失败', 'ERRSTR_GETDBLINKFAIL', 1, 6);
INSERT INTO T470 VALUES (4, '4', 'ERR_ILLPACK', '非法数据包', 'ERRSTR_ILLPACK', 1, 6);
INSERT INTO T470 VALUES (5, '5', 'ERR_NOTLOGIN', '操作员尚未登录', '', 1, 6);
INSERT INTO T470 VALUES (6, '6', 'ERR_TIMEOUT', '等待应答超时  ', NULL, 1, 6);

-- 数据库错误
INSERT INTO T470 VALUES (7, '11', 'ERR_RUNSQL', '执行SQL语句失败', 'ERRSTR_RUNSQL', 2, 6);
INSERT INTO T470 VALUES (8, '12', 'ERR_NORECORD', '没有找到记录', 'ERRSTR_NORECORD', 2, 6);
INSERT INTO T470 VALUES (9, '13', 'ERR_DUPRECORD', '记录已存在', '', 2, 6);
INSERT INTO T470 VALUES (10, 'DB_DEADLOCK', 'ERR_DEADLOCK', '数据库死锁', 'ERRSTR_DEADLOCK', 2, 1);

-- 业务错误
INSERT INTO T470 VALUES (11, '101', 'ERR_KHNOTEXIST', '客户不存在', 'ERRSTR_KHNOTEXIST', 3, 6);
INSERT INTO T470 VALUES (12, '102', 'ERR_KHFROZEN', '客户已冻结', 'ERRSTR_KHFROZEN', 3, 6);
INSERT INTO T470 VALUES (13, '103', 'ERR_PWDERROR', '密码错误', 'ERRSTR_PWDERROR', 3, 6);
INSERT INTO T470 VALUES (14, '104', 'ERR_ZJBZ', '可用资金不足', 'ERRSTR_ZJBZ', 3, 6);
INSERT INTO T470 VALUES (15, '105', 'ERR_GFBZ', '可用股份不足', '', 3, 6);
INSERT INTO T470 VALUES (16, '1000000001', 'ERR_KHUNKNOWN', '未知客户错误', NULL, 3, 6);

-- 交易网关错误
INSERT INTO T470 VALUES (17, 'GW001', 'ERR_GWOFFLINE', '交易网关未连接', 'ERRSTR_GWOFFLINE', 4, 1);
INSERT INTO T470 VALUES (18, 'GW002', 'ERR_GWREJECT', '交易所拒绝申报', 'ERRSTR_GWREJECT', 4, 1);
INSERT INTO T470 VALUES (19, '201', 'ERR_GWBUSY', '交易网关繁忙', '', 4, 6);

-- categories that sysdef.h leaves out
INSERT INTO T470 VALUES (20, '901', 'ERR_CONFIRM', '请确认后继续', 'ERRSTR_CONFIRM', 5, 6);
INSERT INTO T470 VALUES (21, '902', 'ERR_AUDITFAIL', '审核未通过', 'ERRSTR_AUDITFAIL', 6, 6);
INSERT INTO T470 VALUES (22, '903', 'WARN_BIGAMOUNT', '大额交易提醒', 'WARNSTR_BIGAMOUNT', 7, 6);
