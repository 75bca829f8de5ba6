-- A.B and A_B are one macro; a FOS and a BLS function may share a code (macro-redefined tells).
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T164 VALUES (2, 2, '交易', 'JY');
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'A.B', '甲', 1);
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (11, 1002, 'A_B', '乙', 1);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'A_B', '丙', 2);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (21, 2002, 'X', '丁', 2);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (22, 2003, 'X', '戊', 2);
