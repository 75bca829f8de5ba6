-- 乗 is 0x81 0x5C in GBK: its trail byte is a backslash byte but no backslash.
INSERT INTO T151 VALUES (1, 'FID_A', '名称\', 1, NULL);
INSERT INTO T151 VALUES (2, 'FID_B', '乗', 1, '表乗');
INSERT INTO T151 VALUES (3, 'FID_C', '正常', 1, '备注\  ');
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T164 VALUES (2, 2, '交易', 'JY');
INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'B_A', '名', 2);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7) VALUES (50, 20, 'FID_A', '参数\', 1, 1, 1);
