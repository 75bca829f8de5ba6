-- Module 1 exists for FOS only: the BLS function of module 1 has none.
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (12, 1002, 'C', '丙', 7);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'X', '丁', NULL);
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (21, 2002, 'Y', '戊', 1);
