-- A character GBK lacks is kept; bytes that are not UTF-8 reach the engine as '?'.
INSERT INTO T158 VALUES (5, 'a' || char(9) || 'b' || char(10) || 'c"\', 'X' || char(1) || char(127));
INSERT INTO T158 VALUES (6, CAST(X'41FF42' AS TEXT), char(13) || char(8232));
