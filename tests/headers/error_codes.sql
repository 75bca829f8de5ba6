-- Error code groups: an empty, a repeated and a blank-padded name, a group
-- of another grade; codes of every shape.
INSERT INTO T471 VALUES (1, '', 2, 2, 0);
INSERT INTO T471 VALUES (2, '通用错误', 2, 2, 0);
INSERT INTO T471 VALUES (3, '通用错误', 2, 2, 0);
INSERT INTO T471 VALUES (4, '委托错误', 2, 2, 0);
INSERT INTO T471 VALUES (5, ' 通用错误 ', 2, 2, 0);
INSERT INTO T471 VALUES (6, '其他', 1, 2, 0);
INSERT INTO T470 VALUES (1, '100', 'ERR_SYS_BUSY', '系统忙  ', 'MSG_SYS_BUSY', 1, 6);
INSERT INTO T470 VALUES (2, 'E01', 'ERR_NO_USER', '用户不存在', '', 2, 1);
INSERT INTO T470 VALUES (3, '-2', 'ERR_PWD', '密码错误', 'MSG_PWD', 3, 6);
INSERT INTO T470 VALUES (4, '12345678901234', 'ERR_BIG_NUMBER', '大', 'MSG_BIG', 4, 6);
INSERT INTO T470 VALUES (5, 'X1', 'ERR_AGAIN', '再次', 'MSG_AGAIN_LONGER_NAME', 5, NULL);
INSERT INTO T470 VALUES (6, 'Z', 'ERR_OTHER_GRADE_IS_SKIPPED', '略', 'MSG', 6, 6);
