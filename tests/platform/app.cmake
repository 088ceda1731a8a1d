# tests of the platform's app services
