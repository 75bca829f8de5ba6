INSERT INTO T151 VALUES (1, 'FID_OK', '甲', 1, NULL);
INSERT INTO T161 (ID, F1, F2, F3, F4, F7) VALUES (20, 2001, 'new', '丁', NULL, 2);
INSERT INTO T161 (ID, F1, F2, F3, F4, F7) VALUES (21, 2002, 'B_A', '戊', 'defined', 2);
INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1', 'delete', '删除', 'newer', 1, 6);
