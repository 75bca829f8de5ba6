-- The table the lint reads last is gone.
INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);
DROP TABLE T162;
