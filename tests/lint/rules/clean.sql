-- A database without a finding: a CR LF in a design, a question mark the database holds itself.
INSERT INTO T151 VALUES (1, 'FID_KHH', '客户号', 1, '营业部编码,4位');
INSERT INTO T158 VALUES (1, '客户管理', 'KHGL');
INSERT INTO T154 (ID, F18, F19, F22, F26, F28, F32) VALUES (10, 1001, 'KH.OPEN', '开户', 1, '多行'||char(13)||char(10)||'设计', '问?');
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '客户号', 1, 1, 1, 10, 'FID_KHH');
