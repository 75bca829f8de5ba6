-- FOS module 5 and its functions.
INSERT INTO T158 VALUES (5, '<b>模块</b>', 'M&M');
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F34) VALUES (501, 5002, 'QRY.USER_LIST', '查询', '  ', 5, 0);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F34) VALUES (502, 5003, 'GET_INFO', '信息', 'GetUserInfo', 5, 1);
INSERT INTO T154 (ID, F18, F19, F22, F26, F28, F32, F34) VALUES (503, 5004, 'X<script>', 
  '<script>alert(1)</script>&amp;', 5, '"quoted" & <b>', 'a' || char(1) || '%Name%', 0);
INSERT INTO T156 (F13, F15, F3, F4, F5, F7) VALUES (501, 'FID_KHH', '客户号', 1, 1, 1);
INSERT INTO T156 (F13, F15, F3, F4, F5, F7) VALUES (503, '<img src=x>', '&', 1, 0, 1);
-- BLS module 7.
INSERT INTO T164 VALUES (7, 7, '交易', 'JY');
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F14) VALUES (700, 7001, 'USER.QUERY', '用户查询', 'GetUserInfo', 2, 7, 2);
INSERT INTO T162 (F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) 
  VALUES (700, 'FID_LOGINPWD', '登录密码', 1, 1, '1-9', 1, 20, 0, '备注', 'abc');
INSERT INTO T162 (F1, F2, F3, F4, F5, F7, F8) VALUES (700, 'FID_ZJZH_UPDATE', '更新', 2, 0, 4, 10);
INSERT INTO T162 (F1, F2, F3, F4, F5, F7, F8, F9) VALUES (700, 'FID_BZ', '币种', 2, 0, 6, 16, 2);
-- FIDs: one nothing uses, with text that tries to leave the page.
INSERT INTO T151 VALUES (1, 'FID_KHH', '客户号', 1, NULL);
INSERT INTO T151 VALUES (2, 'FID_LOGINPWD', '登录密码', 1, NULL);
INSERT INTO T151 VALUES (3, 'FID_ZJZH_UPDATE', '更新', 4, NULL);
INSERT INTO T151 VALUES (4, 'FID_BZ', '币种', 6, NULL);
INSERT INTO T151 VALUES (999, 'FID_EVIL', '</script><script>alert(2)</script>', 1, '<!-- -->');
-- A FOS function of a module that does not exist.
INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (601, 6001, 'ORPHAN', '孤儿', 66, 0);
-- Error codes.
INSERT INTO T471 VALUES (1, '<i>cat</i>', 2, 2, 0);
INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (1, '-1', 'ERR_X', 'a "b" <c>', 'MSG_X', 1, 6);
