-- Blanks, control bytes and NULs in the texts, on purpose.
INSERT INTO T158 VALUES (1, '客户管理', 'KHGL ');
INSERT INTO T158 VALUES (12, '资金管理', ' ZJGL');
INSERT INTO T164 VALUES (3, 3, '委托', 'WT');
INSERT INTO T164 VALUES (4, 4, '行' || char(10) || '列' || char(9) || '\', 'X' || char(13) || char(1) || char(127));
INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (100, 1002, 'KH_QUERY_LIST ', '客户查询', 12, 0);
INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (101, 1001, 'KH_OPEN', '开户 ', 12, NULL);
INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (200, 3001, 'WT_ORDER', '委托下单', 1, 3);
INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (201, 3002, 'A' || char(0) || 'B', 'x' || char(10) || 'y', 1, 4);
