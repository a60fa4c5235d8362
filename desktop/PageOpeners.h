#pragma once

// Each opener hands one fixed page of the maker's web site to the browser; failures are silent.
void OpenHomePage();
void OpenHelpPage();
void OpenUpdatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenSoftwaresPage();
