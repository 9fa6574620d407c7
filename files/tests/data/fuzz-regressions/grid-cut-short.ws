QZ_WSFileFormat=1.0
ActualColumns=100
ActualRows=100
GRID:
	A
