-- A.B becomes the macro A_B, a name; a blank function name is none and stands for the code.
INSERT INTO T151 VALUES (1, 'FID-X', '甲', 1, NULL);
INSERT INTO T151 VALUES (2, '客户', '乙', 1, NULL);
INSERT INTO T151 VALUES (3, 'FID_OK', '丙', 1, NULL);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (10, 1001, 'A.B', '甲', NULL, 1);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (11, 1002, '1ABC', '乙', NULL, 1);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (12, 1003, 'QUERY', '丙', 'Get User', 1);
INSERT INTO T161 (ID, F1, F2, F3, F4, F7) VALUES (20, 2001, 'B_OK', '丁', '   ', 2);
INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1', 'ERR_A', '删除', 'ERR MSG', 1, 6);
