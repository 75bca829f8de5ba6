INSERT INTO T158 VALUES (1, '客户', 'KH/*');
INSERT INTO T154 (ID, F18, F19, F22, F26, F28, F32) VALUES (10, 1001, 'F_A', '名称*/结束', 1, '设计/*', '注*/');
INSERT INTO T154 (ID, F18, F19, F22, F26, F28) VALUES (11, 1002, 'F_B', '/*好*/', 1, '*/*');
