-- The configuration rows the function text tests run on (after the schema).
-- FOS module 7, BLS module 8.
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES
 (1, 1001, 'QUERY_LIST', '查询列表', NULL, 7, NULL, NULL, 0),
 (2, 1002, 'QUERY_LIST2', '过程列表', NULL, 7, '', '', 1),
 (3, 1003, 'GET_USER', '取用户', '   ', 7, NULL, NULL, 0),
 (4, 1004, 'GET_INFO', '取信息', NULL, 7, NULL, NULL, 0),
 (5, 1005, 'USER.QUERY', '点号', NULL, 7, NULL, NULL, 0),
 (6, 1006, 'O''BRIEN', '引号', NULL, 7, NULL, NULL, 1),
 (7, 1007, 'X_Y', '显式名', ' GetUserInfo ', 7, NULL, NULL, 1);
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES
 (1, '客户号', 1, 1, 1, 1, 'FID_KHH'),
 (2, '客户姓名', 2, 0, 1, 1, 'FID_KHXM'),
 (3, '客户号', 1, 1, 1, 3, 'FID_KHH'),
 (4, '很长的代码', 2, 0, 1, 4, 'FID_VERYLONGCODE12'),
 (5, '短', 2, 0, 1, 4, 'FID_A');
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES
 (11, 2001, 'QUERY_USER', '查询用户', NULL, 1, 8, NULL, NULL, 0),
 (12, 2002, 'AUDIT_OP', '审核操作', NULL, 2, 8, NULL, NULL, 2),
 (13, 2003, 'NO_FORWARD', '不转发', NULL, 3, 8, NULL, NULL, 1),
 (14, 2004, 'USER_LIST', '用户列表', NULL, 1, 8, NULL, NULL, 2),
 (15, 2005, 'DEFAULT_TYPE', '缺省类型', NULL, NULL, 8, NULL, NULL, NULL);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7, F8, F9) VALUES
 (1, 12, 'FID_KHH', '客户号', 1, 1, 1, 20, 0),
 (2, 14, 'FID_KHXM', '客户姓名', 2, 0, 1, 30, 0),
 (3, 14, 'FID_YE', '余额', 2, 0, 6, 16, 2);
