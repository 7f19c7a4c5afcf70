-- Tables added after the first release. An older database gets each table
-- it lacks when it is opened (data::SchemaUpgrade); statements end with ";".

-- The legal volumetric yield of logs into sawn wood, in percent, one row.
-- A company may hold its own figure approved by study, so it is kept here,
-- the same for every workstation and for the reports run without a window.
CREATE TABLE COEFICIENTE_RENDIMENTO (
  CODIGO     INTEGER NOT NULL,
  PERCENTUAL DOUBLE PRECISION NOT NULL,
  CONSTRAINT PK_COEFICIENTE_RENDIMENTO PRIMARY KEY (CODIGO)
);

-- The volume in m3 the supplier's electronic invoice declared for its logs,
-- beside the log invoice header of the same supplier and number.
CREATE TABLE NFE_TOROS (
  CODIGOFORNECEDOR DOUBLE PRECISION NOT NULL,
  NF_NUMERO        DOUBLE PRECISION NOT NULL,
  CHAVE            VARCHAR(44),
  VOLUME_DECLARADO DOUBLE PRECISION NOT NULL,
  DATA_IMPORTACAO  TIMESTAMP,
  CONSTRAINT PK_NFE_TOROS PRIMARY KEY (CODIGOFORNECEDOR, NF_NUMERO)
);
