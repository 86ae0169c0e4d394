-- The empty curve data file that every new curve document is copied from. Made before the
-- Fileversion column existed: the program adds that column the first time it opens a copy.
CREATE TABLE Curves ( CurveID INTEGER PRIMARY KEY , CurvePoints TEXT , MemLocation INTEGER ,
    TestDate INTEGER , TesterSerNo TEXT , Irradiance REAL , AmbientTemp REAL , CellTemp REAL ,
    Voc REAL , Isc REAL , Riso REAL , Viso REAL , Iclamp REAL , Rpe REAL , FF REAL , Vmp REAL ,
    Imp REAL , STCAlgorithm INTEGER , STC_alpha DOUBLE , STC_beta DOUBLE , STC_delta DOUBLE ,
    STC_a DOUBLE , STC_b DOUBLE , STC_K DOUBLE , STC_Rs DOUBLE , ModuleID INTEGER ,
    ModuleSeries INTEGER , ModuleParallel INTEGER );
CREATE TABLE TreeNodes (NodeID INTEGER PRIMARY KEY, ParentNodeID INTEGER, NodeDesc TEXT,
    CurveID INTEGER, ParentRow INTEGER, Status INTEGER, Colour TEXT);
CREATE INDEX IDX_TREENODE_CURVEID ON TreeNodes(CurveID);
CREATE INDEX idx_treenode_parent ON TreeNodes(ParentNodeID, ParentRow);
CREATE INDEX idx_TreeNodes_CurveID ON TreeNodes (CurveID);
