-- FOS modules 9, 10 (awkward values) and 999 (empty); BLS modules 5 and 6,
-- after function_db.sql's FOS module 7 and BLS module 8.
INSERT INTO T158 VALUES (7, '函数', 'FN'), (9, '校验', 'CHK'), (10, '怪值', 'ODD'), (999, '空', 'EMPTY');
INSERT INTO T164 VALUES (8, 8, '函数', 'FN'), (5, 5, '用户', 'USR'), (6, 6, '点', 'DOT');
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F14) VALUES
 (21, 1001, 'QUERY_USER', '查询用户', NULL, 1, 5, 0), (22, 1002, 'ADD_USER', '增加用户', '  ', 1, 5, 0),
 (31, 3001, 'USER.QUERY', '点', NULL, 1, 6, 0), (32, 3002, 'TWICE', '一', 'GetUserInfo', 1, 6, 0),
 (33, 3003, 'TWICE', '二', NULL, 1, 6, 0), (81, 8001, 'GROUP_THREE', '三组', NULL, 1, 6, 1);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES
 (41, 4001, 'GET_INFO', '取信息', 'GetUserInfo', 9, NULL, NULL, 0),
 (61, 6001, 'VALIDATE_EX', '校验示例', NULL, 9, NULL, NULL, 1),
 (62, 6002, 'TEXT_ITEMS', '文本项', NULL, 9, NULL, NULL, 1),
 (63, 6003, 'ONE_PARAM', '一个参数', NULL, 9, NULL, NULL, 0),
 (71, 7001, 'GROUP_10', '十行', NULL, 9, NULL, NULL, 1), (72, 7002, 'GROUP_11', '十一行', NULL, 9, NULL, NULL, 1),
 (73, 7003, 'GROUP_12', '十二行', NULL, 9, NULL, NULL, 0), (74, 7004, 'GROUP_EARLY', '早换', NULL, 9, NULL, NULL, 1),
 (NULL, NULL, NULL, NULL, NULL, 10, NULL, NULL, NULL),
 (52, 5002, 'BLANKS', '   ', '   ', 10, '   ', '   ', NULL),
 (53, 5003, CAST(X'46FF80' AS TEXT), CAST(X'C0C1' AS TEXT), NULL, 10, NULL, NULL, 0),
 (54, 5004, 'MANY_PARAMS', '多参数', NULL, 10, 'line1' || char(13) || char(10) || 'line2', NULL, 0),
 (55, 5005, 'LONG_NAME', substr(replace(hex(zeroblob(600)), '00', '名字'), 1, 1200), NULL, 10, NULL, NULL, 2);
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES
 (611, '客户号', 1, 1, 1, 61, 'FID_KHH'), (612, '币种', 1, 0, 1, 61, 'FID_BZ'), (613, '金额', 1, 1, 4, 61, 'FID_JE'),
 (621, 'a', 1, 1, 3, 62, 'FID_A'), (622, 'b', 1, 1, 2, 62, 'FID_B'), (623, 'c', 1, 1, 6, 62, 'FID_C'),
 (631, '金额', 1, 1, 4, 63, 'FID_JE'),
 (1001, NULL, 1, NULL, NULL, 54, NULL),
 (1002, '长', 2, 1, 1, 55, 'FID_' || substr(replace(hex(zeroblob(1500)), '00', 'X'), 1, 1500));
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) SELECT 2000 + i, '参数' || i, 1 + (i % 2), i % 3, (i % 7), 54, 'FID_P' || i FROM n;
