-- A FOS name is no literal; a bare error value (type 6) is none either.
INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T164 VALUES (2, 2, '交易', 'JY');
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '他说"好"', 1);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'B_A', '他说"好"', 2);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7) VALUES (50, 20, 'FID_A', '参数\', 1, 1, 1);
INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1', 'ERR_A', '路径C:\temp', '', 1, 6);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (31, 'A"B', 'ERR_B', '好', '', 1, 1);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (32, '"3"', 'ERR_C', '好', '', 1, 6);
