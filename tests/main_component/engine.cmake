# engine tests
