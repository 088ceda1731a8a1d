# tests of the platform's text services
