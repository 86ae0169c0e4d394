-- The PV module database shipped with the program: data-sheet values at STC of modules on the
-- market, so that curves can be converted and compared before the user enters any module.
-- Units: Isc, Imp in A; Voc, Vmp in V; alpha in A/°C and beta in V/°C (absolute coefficients);
-- Rs in ohm, a fitted diode-model value that serves as a default. delta is the typical Anderson
-- coefficient of the technology: mono-crystalline and heterojunction 0.085, multi-crystalline
-- 0.110, thin film 0.063. CellsInSeries is the data sheet's count of cells in series in one
-- module; Kappa, the curve-correction factor in ohm per °C, is left for the user's own
-- measurements to give. The program copies this file into its data folder when none is there
-- and never overwrites one, so the modules a user adds stay theirs.
CREATE TABLE Modules ( _id INTEGER PRIMARY KEY , Description TEXT , Isc REAL , Voc REAL ,
    Imp REAL , Vmp REAL , alpha REAL , beta REAL , delta REAL , Rs REAL ,
    UserModule INTEGER DEFAULT 0 , Favourite INTEGER DEFAULT 0 , CellsInSeries INTEGER , Kappa REAL );
-- Mono-c-Si, 96 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Canadian Solar CS5P-220M', 5.1, 59.4, 4.69, 46.9, 0.004539, -0.22216, 0.085, 1.065, 0, 0, 96);
-- Multi-c-Si, 54 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Kyocera KC200GT', 8.21, 32.9, 7.61, 26.3, 0.004926, -0.1168, 0.110, 0.325, 0, 0, 54);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Sharp ND-224UC1', 8.33, 36.6, 7.66, 29.3, 0.006914, -0.12188, 0.110, 0.359, 0, 0, 60);
-- Mono-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Sharp NU-U235F1', 8.6, 37, 7.84, 30, 0.003784, -0.12173, 0.085, 0.3, 0, 0, 60);
-- Mono-c-Si, 96 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('SunPower SPR-315E-WHT-D', 6.14, 64.6, 5.76, 54.7, 0.003788, -0.17616, 0.085, 0.339, 0, 0, 96);
-- Mono-c-Si, 96 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('SunPower SPR-X21-345', 6.39, 68.2, 6.02, 57.3, 0.002556, -0.1705, 0.085, 0.538, 0, 0, 96);
-- HIT, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Panasonic HIT-N210A01', 5.57, 50.9, 5.09, 41.3, 0.001983, -0.1415, 0.085, 0.759, 0, 0, 72);
-- Multi-c-Si, 50 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('BP Solar SX3195B', 8.6, 30.7, 7.96, 24.4, 0.0086, -0.10131, 0.110, 0.302, 0, 0, 50);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Trina TSM-250PA05', 8.55, 37.6, 8.06, 31, 0.00513, -0.1316, 0.110, 0.232, 0, 0, 60);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Yingli YL245P-29b', 8.63, 37.8, 8.11, 30.2, 0.00378, -0.12739, 0.110, 0.374, 0, 0, 60);
-- Multi-c-Si, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Jinko JKM270P-72', 8.59, 44.2, 7.67, 35.2, 0.004845, -0.12124, 0.110, 0.456, 0, 0, 72);
-- Mono-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('LG300N1C-G3', 10.05, 39.5, 9.46, 32, 0.003015, -0.1185, 0.085, 0.297, 0, 0, 60);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('REC260PE', 9.01, 37.8, 8.5, 30.7, 0.003226, -0.12735, 0.110, 0.297, 0, 0, 60);
-- Mono-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('SolarWorld SW250 Mono', 8.28, 37.8, 8.05, 31.1, 0.007038, -0.13759, 0.085, 0.231, 0, 0, 60);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Suntech STP260-20/Wd', 8.83, 37.6, 8.37, 31.1, 0.004989, -0.12783, 0.110, 0.213, 0, 0, 60);
-- Multi-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('aleo S18.225', 8.34, 36.4, 7.78, 28.9, 0.003419, -0.12376, 0.110, 0.403, 0, 0, 60);
-- CdTe, 77 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('First Solar FS-380', 1.76, 61.7, 1.58, 50.7, 0.000019, -0.10575, 0.063, 3.095, 0, 0, 77);
-- CdTe, 116 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('First Solar FS-275', 1.2, 92, 1.08, 69.4, 0.000571, -0.21859, 0.063, 13.242, 0, 0, 116);
-- CIS, 170 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Solar Frontier SF150-S', 2.2, 108, 1.85, 81.5, 0.00154, -0.38448, 0.063, 7.647, 0, 0, 170);
-- CIGS, 104 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Avancis PowerMax STRONG 125', 3.22, 59.3, 2.84, 44, 0.000245, -0.31032, 0.063, 3.221, 0, 0, 104);
-- CIGS, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('MiaSole Flex-01 210W', 10.7, 27.9, 9.4, 22, -0.000449, -0.10965, 0.063, 0.26, 0, 0, 72);
-- a-Si/nc-Si, 53 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Kaneka U-SA110', 2.5, 71, 2.04, 54, 0.001425, -0.25986, 0.063, 4.108, 0, 0, 53);
-- a-Si/nc-Si, 270 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Sharp NA-V128H1', 0.85, 238, 0.69, 186, 0.000935, -0.952, 0.063, 31.569, 0, 0, 270);
-- Mono-c-Si, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('LONGi LR4-72HPH-440M', 11.46, 48.9, 10.71, 41.1, 0.0046986, -0.129585, 0.085, 0.2, 0, 0, 72);
-- Mono-c-Si, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('JA Solar JAM72S20-450/MR', 11.36, 49.7, 10.84, 41.5, 0.003976, -0.131705, 0.085, 0.239, 0, 0, 72);
-- Mono-c-Si, 48 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Trina TSM-400DE15H(II)', 10.18, 50.4, 9.74, 41.1, 0.004072, -0.13608, 0.085, 0.376, 0, 0, 48);
-- Mono-c-Si, 72 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Q CELLS Q.PEAK DUO L-G5.2 395', 10.19, 48.74, 9.7, 40.71, 0.004076, -0.132573, 0.085, 0.248, 0, 0, 72);
-- Mono-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('REC360AA', 10.23, 44.1, 9.55, 37.7, 0.0037851, -0.106281, 0.085, 0.155, 0, 0, 60);
-- Mono-c-Si, 60 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('LG370Q1C-A5', 10.82, 42.8, 10.01, 37, 0.003246, -0.10272, 0.085, 0.079, 0, 0, 60);
-- Mono-c-Si, 96 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('SunPower SPR-X22-370', 6.6, 70.1, 6.21, 59.6, 0.0022968, -0.199925, 0.085, 0.36, 0, 0, 96);
-- CdTe, 264 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('First Solar FS-6440A', 2.55, 220, 2.38, 184.7, 0.0013515, -0.5962, 0.063, 5.043, 0, 0, 264);
-- CIS, 170 cells in series
INSERT INTO Modules (Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite, CellsInSeries)
    VALUES ('Solar Frontier SF170-S', 2.2, 112, 1.95, 87.5, 0.00022, -0.336, 0.063, 6.135, 0, 0, 170);
