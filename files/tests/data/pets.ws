QZ_WSFileFormat=1.0
CreatedBy=Ann Teacher
CreatedFor=Class 3
CreditsLine=Made by Ann
Option_HiddenMessage=T
Option_CustomClues=T
Constructed=T
GridHPosition=2
SolutionStyle=1
SolutionColor=255
RequestedColumns=4
RequestedRows=0
ActualColumns=5
ActualRows=3
AutoInstructions=1

[Directions, Sharing & Capitalization]
North=F
NorthEast=F
East=T
SouthEast=T
South=T
SouthWest=F
West=F
NorthWest=F
ShareNoCross=F
ShareCross=F
ShareIntersect=F
ShareSome=T
ShareAll=F
Capitalization=AllUpper

[Formatting]
TitleFont=Comic Sans MS
WorksheetFont=Arial
InstructionsFont=Times New Roman
GridFont=Arial
WordlistFont=Times New Roman
CreditsFont=Arial
TitleFontSize=36
WorksheetFontSize=12
InstructionsFontSize=12
GridFontSize=12
WordlistFontSize=12
CreditsFontSize=8
MarginWidth=0.500
BorderIndex=3

[Clues and Columns]
RequestedClueColumns=2
ClueTextFontColor=-2147483640
ClueAlignment=0

GRID:
	C A T H X
	D O G I Y
	C A F é Q
END GRID
REQUESTED WORD LIST:
	cat/a pet
	dog/a "good" boy
	café
	zzzzzz/too long
END REQUESTED WORD LIST
WORD PLACEMENT:
	1 X=1 Y=1 D=3 <> "cat/a pet"
	1 X=1 Y=2 D=3 <> "dog/a "good" boy"
	1 X=1 Y=3 D=3 <> "café"
	0 X=0 Y=0 D=0 <> "zzzzzz/too long"
END WORD PLACEMENT
TITLE:
	Pets
	Page 2
END TITLE
LEFT WORKSHEET:
	Name ____
END LEFT WORKSHEET
RIGHT WORKSHEET:
	Date ____
END RIGHT WORKSHEET
INSTRUCTIONS:
	Find the words.
END INSTRUCTIONS
REQUESTED HIDDEN MESSAGE:
	HI
END REQUESTED HIDDEN MESSAGE
END.
