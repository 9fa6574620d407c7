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
	cat, 