-- The text form escapes what the database holds: the code column of row 3 keeps its line on one line.
-- A CR LF in a design lands in a comment, not on one line: no finding.
INSERT INTO T151 VALUES (2, 'FID_B', '乙', 1, '第一行'||char(10)||'第二行');
INSERT INTO T151 VALUES (3, 'FID_C'||char(10)||'X\'||char(9)||char(1), '丙', 1, NULL);
INSERT INTO T151 VALUES (4, 'FID_D', '丁'||char(13), 1, NULL);
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T154 (ID, F18, F19, F22, F26, F28) VALUES (10, 1001, 'F_A', '甲', 1, '设计'||char(13)||char(10)||'续');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '客户'||char(9)||'号', 1, 1, 1, 10, 'FID_B');
INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (11, 1002, 'F_B', '乙', 'Get'||char(9)||'B', 1);
INSERT INTO T471 VALUES (1, '系'||char(9)||'统', 2, 2, 0);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1'||char(9)||'2', 'ERR_A', '错'||char(9)||'误', 'MSG'||char(10)||'A', 1, 1);
