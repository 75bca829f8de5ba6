-- Module ids that do not survive the way through the database: eleven
-- digits, none, text, a fraction, one id twice; two functions moved to the
-- eleven-digit modules.
DELETE FROM T158;
INSERT INTO T158 VALUES (12345678901, 'eleven digits A', 'BIG_A');
INSERT INTO T158 VALUES (98765432109, 'eleven digits B', 'BIG_B');
INSERT INTO T158 VALUES (NULL, 'no id', 'NO_ID');
INSERT INTO T158 VALUES ('../x', 'text id', 'TEXT_ID');
INSERT INTO T158 VALUES (1.5, 'fraction', 'HALF');
INSERT INTO T158 VALUES (7, 'first seven', 'SEVEN');
INSERT INTO T158 VALUES (7, 'second seven', 'SEVEN_AGAIN');
UPDATE T154 SET F26 = 12345678901 WHERE F19 = 'KH_LIST';
UPDATE T154 SET F26 = 98765432109 WHERE F19 = 'KH_OPEN';
