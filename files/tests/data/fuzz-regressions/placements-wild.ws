QZ_WSFileFormat=1.0
ActualColumns=3
ActualRows=3
GRID:
	A B C
	D E F
	G H I
WORD PLACEMENT:
	1 X=2147483648 Y=1 D=3 <> "big"
	1 X=-2147483648 Y=1 D=3 <> "small"
	1 X=100 Y=100 D=4 <> "corner of the arrays"
	1 X=0 Y=0 D=8 <> "origin"
	1 X=3 Y=3 D=255 <> "bad direction"
	1 X= Y= D= < "no numbers
	1 X=1 Y=1 D=3 <"><><>"""""
	1 X=1 Y=1 D=3 <12345678901234567890
	1                                   
	1 X=1 Y=1 D=0 <> "no direction at all"
END WORD PLACEMENT
