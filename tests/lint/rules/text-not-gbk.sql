-- A question mark the database holds itself is no lost character.
INSERT INTO T151 VALUES (4, 'FID_D', '笑😀', 1, NULL);
INSERT INTO T151 VALUES (5, 'FID_E', '问?', 1, '?😀?');
INSERT INTO T158 VALUES (1, '客户', 'KH');
INSERT INTO T154 (ID, F18, F19, F22, F26, F32) VALUES (10, 1001, 'F_A', '甲', 1, '注€');
