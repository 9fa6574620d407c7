QZ_WSFileFormat=1.0
CreatedBy=
CreatedFor=
CreditsLine=by me
Option_HiddenMessage=F
Option_CustomClues=F
Constructed=T
GridHPosition=1
SolutionStyle=0
RequestedColumns=0
RequestedRows=0
ActualColumns=5
ActualRows=5
AutoInstructions=0

[Directions, Sharing & Capitalization]
North=T
NorthEast=T
East=T
SouthEast=T
South=T
SouthWest=T
West=T
NorthWest=T
ShareNoCross=F
ShareCross=F
ShareIntersect=T
ShareSome=F
ShareAll=F
Capitalization=AllUpper

[Formatting]
TitleFont=Arial" onmouseover="alert(1)
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
MarginWidth=0.750
BorderIndex=0

[Clues and Columns]
RequestedClueColumns=0
ClueTextFontColor=-2147483640
ClueAlignment=1

GRID:
	T M O P G
	Y W B O D
	L A D T G
	P Z K A N
	E M U C U
END GRID
REQUESTED WORD LIST:
	cat, dog, emu, yak, gnu, owl
END REQUESTED WORD LIST
WORD PLACEMENT:
	1 X=4 Y=5 D=1 <> "cat"
	1 X=3 Y=3 D=2 <> " dog"
	1 X=1 Y=5 D=3 <> " emu"
	1 X=1 Y=2 D=4 <> " yak"
	1 X=5 Y=3 D=5 <> " gnu"
	1 X=3 Y=1 D=6 <> " owl"
END WORD PLACEMENT
TITLE:
	Zoo
END TITLE
LEFT WORKSHEET:
	Name
END LEFT WORKSHEET
RIGHT WORKSHEET:
END RIGHT WORKSHEET
INSTRUCTIONS:
	Find the words in the grid. Words can go horizontally, vertically and diagonally in all eight directions.
END INSTRUCTIONS
END.
