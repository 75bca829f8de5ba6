-- One FID whose note ends in a backslash and holds a quote and a tab.
INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, '说"明'||char(9)||'\');
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '甲', 1, 1, 1, 10, 'FID_A');
