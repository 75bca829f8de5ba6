-- Every used FID is defined and every defined FID is used.
INSERT INTO T151 (F1, F2, F3, F4, F5) VALUES (1, 'FID_KHH', '客户号', 1, ''), (2, 'FID_ZJZH', '资金账号', 1, '');
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES (1, 1, 'B1', '查询', 'fn', 1, 1, '', '', 0);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) VALUES (1, 1, 'FID_KHH', '客户号', 1, 1, '', 1, 0, 0, '', '');
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES (1, 100, 'F100', '查询', 'fn', 1, '', '', 0);
INSERT INTO T156 (ID, F2, F3, F4, F5, F7, F13, F15) VALUES (1, 1, '资金账号', 1, 1, 1, 1, 'FID_ZJZH');
