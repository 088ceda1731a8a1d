# controls and screens tests
