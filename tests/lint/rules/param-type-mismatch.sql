-- The parameter of a function that does not exist reaches no code; an undefined FID is the FID check rules'.
INSERT INTO T151 VALUES (1, 'FID_S', '串', 1, NULL);
INSERT INTO T151 VALUES (2, 'FID_L', '长', 4, NULL);
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '长整', 1, 1, 5, 10, 'FID_L');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (61, '串', 2, 1, 6, 10, 'FID_S');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (62, '串', 2, 1, 1, 10, 'FID_S');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (63, '孤儿', 1, 1, 6, 99, 'FID_S');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (64, '未定义', 1, 1, 6, 10, 'FID_X');
