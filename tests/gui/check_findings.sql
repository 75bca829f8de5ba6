-- After check_clean.sql: FID_X is missing in two BLS, FID_Y in one FOS,
-- FID_FREE is used nowhere (FID_ZJZH is used by a FOS only: not unused).
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES (2, 2, 'B2', '开户', 'fn2', 1, 1, '', '', 0);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) VALUES
  (2, 1, 'FID_X', '未定义', 1, 1, '', 1, 0, 0, '', ''), (3, 2, 'FID_X', '未定义', 1, 1, '', 1, 0, 0, '', '');
INSERT INTO T156 (ID, F2, F3, F4, F5, F7, F13, F15) VALUES (2, 1, '未定义', 1, 1, 1, 1, 'FID_Y');
INSERT INTO T151 (F1, F2, F3, F4, F5) VALUES (3, 'FID_FREE', '空闲', 1, '');
