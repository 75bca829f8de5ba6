-- A note of blanks only, a note as delivered, a NULL code.
INSERT INTO T151 VALUES (1, ' FID_A ', ' 甲 ', NULL, '   ');
INSERT INTO T151 VALUES (2, 'FID_LONGEST', NULL, 1, ' 备注 ');
INSERT INTO T151 VALUES (3, NULL, 'x', NULL, NULL);
